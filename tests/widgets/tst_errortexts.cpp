// The messages the windows write for refused settings and for run-time errors.
#include "messages/errortexts.h"
#include "shared/runtimeerror.h"
#include "sheet/settingserror.h"

#include <QTest>

Q_DECLARE_METATYPE(SettingsError::Box)
Q_DECLARE_METATYPE(RuntimeError::Kind)

class TestErrorTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settings_data()
    {
        QTest::addColumn<SettingsError::Box>("box");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("says"); // parts the message must hold, in this order
        using Box = SettingsError::Box;
        const auto texts = [](std::initializer_list<const char16_t *> parts) {
            QStringList list;
            for (const char16_t *part : parts)
                list << QString::fromUtf16(part);
            return list;
        };
        // clang-format off
        QTest::newRow("first count") << Box::FirstCount << texts({u"-40000"}) << texts({u"第一个框", u"“-40000”", u"-32768 到 2"});
        QTest::newRow("second count") << Box::SecondCount << texts({u"1e10"}) << texts({u"第二个框", u"“1e10”", u"-32768 到 2"});
        QTest::newRow("both counts quoted") << Box::DigitCounts << texts({u"-1000", u"-999"}) << texts({u"“-1000”与“-999”", u"-32768 到 32767 秒", u"0 到 2"});
        QTest::newRow("fixed time") << Box::FixedTime << texts({u"40000"}) << texts({u"做题用时", u"“40000”", u"-32768 到 32767 之间的秒数"});
        QTest::newRow("a line feed quoted visibly") << Box::FixedTime << texts({u"7\n0"}) << texts({u"“7\\n0”"});
        QTest::newRow("a value holding %3 stays as typed") << Box::FirstCount << texts({u"%3"}) << texts({u"“%3”", u"-32768 到 2"});
        // clang-format on
        // A pasted text is quoted by its first 24 characters only.
        const QString pasted = QString(30, u' ') + QStringLiteral("70000");
        QTest::newRow("long text cut to its start")
                << Box::FixedTime << QStringList{pasted} << QStringList{u'“' + pasted.first(24) + QStringLiteral("…”")};
    }
    void settings()
    {
        QFETCH(SettingsError::Box, box);
        QFETCH(QStringList, values);
        QFETCH(QStringList, says);
        const QString text = ErrorTexts::settings(SettingsError(box, values));
        QVERIFY2(text.contains(u"范围"), qPrintable(text)); // says that a range was left
        qsizetype from = 0;
        for (const QString &part : says) {
            const qsizetype at = text.indexOf(part, from);
            QVERIFY2(at >= 0, qPrintable(part + QStringLiteral(" not in order in: ") + text));
            from = at + part.size();
        }
        QVERIFY2(!text.contains(QString(25, u' ')), "a long text is not quoted whole");
    }

    void runtime_data()
    {
        QTest::addColumn<RuntimeError::Kind>("kind");
        QTest::addColumn<QString>("says");
        QTest::newRow("overflow") << RuntimeError::Kind::Overflow << QStringLiteral("溢出");
        QTest::newRow("division by zero") << RuntimeError::Kind::DivisionByZero << QStringLiteral("除数为零");
        QTest::newRow("invalid call") << RuntimeError::Kind::InvalidCall << QStringLiteral("无效的过程调用");
    }
    void runtime()
    {
        QFETCH(RuntimeError::Kind, kind);
        QFETCH(QString, says);
        QVERIFY(ErrorTexts::runtime(RuntimeError(kind)).contains(says));
    }
};

QTEST_APPLESS_MAIN(TestErrorTexts)
#include "tst_errortexts.moc"
