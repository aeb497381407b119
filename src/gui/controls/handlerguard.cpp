// How the program's event handlers meet run-time errors.
#include "controls/handlerguard.h"

#include "messages/errortexts.h"
#include "shared/runtimeerror.h"
#include "sheet/settingserror.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace {

std::function<void(const QString &)> &fatalHandler()
{
    static std::function<void(const QString &)> handler;
    return handler;
}

void endProgram(const QString &message)
{
    if (fatalHandler()) {
        fatalHandler()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Sumora"), message + u'\n' + ErrorTexts::programEnds(),
                    QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    QCoreApplication::exit(EXIT_FAILURE);
}

void explainSetting(QWidget *parent, const SettingsError &error)
{
    // Not modal over the whole program: the learner corrects the value in the dialog after reading.
    auto *box = new QMessageBox(QMessageBox::Warning, ErrorTexts::settingsTitle(), ErrorTexts::settings(error),
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("SettingsMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace

void HandlerGuard::run(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const SettingsError &error) {
        explainSetting(parent, error);
    } catch (const RuntimeError &error) {
        endProgram(ErrorTexts::runtimeLine(ErrorTexts::runtime(error)));
    } catch (const std::exception &error) {
        endProgram(ErrorTexts::runtimeLine(QString::fromLocal8Bit(error.what())));
    }
}

void HandlerGuard::setFatalHandler(std::function<void(const QString &message)> handler)
{
    fatalHandler() = std::move(handler);
}
