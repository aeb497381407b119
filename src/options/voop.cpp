// The options dialog: operators, digit counts and fixed time, the program's only settings.
#include "options/voop.h"

#include "practice/captionlabel.h"
#include "practice/designfont.h"
#include "practice/handlerguard.h"
#include "practice/sheetplan.h"
#include "practice/vodomain.h"
#include "practice/windowstacking.h"
#include "shared/numbers.h"
#include "shared/twips.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <array>

namespace {

// Client area and controls in twips; the controls are listed in their tab order.
constexpr double clientWidth = 4530;
constexpr double clientHeight = 1320;
constexpr double largestDigitCount = 2;

enum class Kind { Check, Text, Label, Button };

struct ControlDesign
{
    const char *name;
    Kind kind;
    double left;
    double top;
    double width;
    double height;
    const char16_t *caption;
    bool ticked;
};

const std::array<ControlDesign, 11> controls{{
    {"Check1", Kind::Check, 525, 140, 495, 255, u"加", true},
    {"Check2", Kind::Check, 1275, 140, 495, 255, u"减", true},
    {"Check3", Kind::Check, 1950, 150, 495, 255, u"乘", false},
    {"Check4", Kind::Check, 2775, 140, 495, 255, u"除", false},
    {"Label4", Kind::Label, 720, 600, 900, 180, u"出题位数：", false},
    {"Tt1", Kind::Text, 1680, 555, 375, 270, u"1", false},
    {"Tt2", Kind::Text, 2640, 555, 375, 270, u"1", false},
    {"Label5", Kind::Label, 2160, 570, 255, 240, u"与", false},
    {"Command1", Kind::Button, 3360, 120, 975, 350, u"确定", false},
    {"Check5", Kind::Check, 1680, 960, 1215, 180, u"做题用时：", false},
    {"Text1", Kind::Text, 2880, 915, 615, 270, u"70", false},
}};

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A digit box never holds a number above 2; anything else stays as typed.
void limitDigitCount(QLineEdit *box)
{
    if (Numbers::leadingNumber(box->text()) > largestDigitCount)
        box->setText(QStringLiteral("2"));
}

} // namespace

VoOp::VoOp(VoDoMain *main)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_main(main)
    , m_background(QStringLiteral(":/background.png"))
{
    createDesign();
    Form_Load();
    WindowStacking::hideFromTaskbar(this);
}

int VoOp::pixels(double twips) const
{
    return Twips::toPixels(twips, logicalDpiY());
}

void VoOp::createDesign()
{
    setObjectName(QStringLiteral("VoOp"));
    setWindowTitle(QStringLiteral("设置选项"));
    setFont(DesignFont::song(9, false));
    setFixedSize(pixels(clientWidth), pixels(clientHeight));

    QWidget *previous = nullptr;
    for (const ControlDesign &design : controls) {
        const QString caption = QString::fromUtf16(design.caption);
        QWidget *widget = nullptr;
        switch (design.kind) {
        case Kind::Check: {
            auto *box = new QCheckBox(caption, this);
            box->setChecked(design.ticked);
            widget = box;
            break;
        }
        case Kind::Text:
            widget = new QLineEdit(caption, this);
            break;
        case Kind::Label: {
            auto *label = new CaptionLabel(this);
            widget = label;
            break;
        }
        case Kind::Button: {
            auto *button = new QPushButton(caption, this);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        }
        widget->setObjectName(QLatin1String(design.name));
        widget->setGeometry(pixels(design.left), pixels(design.top), pixels(design.width), pixels(design.height));
        if (design.kind == Kind::Label) {
            auto *label = static_cast<CaptionLabel *>(widget);
            if (caption == u"与")
                label->setFont(DesignFont::song(12, true));
            label->setCaption(caption);
        } else {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }
    Check1 = findChild<QCheckBox *>(QStringLiteral("Check1"));
    Check2 = findChild<QCheckBox *>(QStringLiteral("Check2"));
    Check3 = findChild<QCheckBox *>(QStringLiteral("Check3"));
    Check4 = findChild<QCheckBox *>(QStringLiteral("Check4"));
    Check5 = findChild<QCheckBox *>(QStringLiteral("Check5"));
    Tt1 = findChild<QLineEdit *>(QStringLiteral("Tt1"));
    Tt2 = findChild<QLineEdit *>(QStringLiteral("Tt2"));
    Text1 = findChild<QLineEdit *>(QStringLiteral("Text1"));
    Command1 = findChild<QPushButton *>(QStringLiteral("Command1"));

    for (QCheckBox *box : {Check1, Check2, Check3, Check4})
        setBackground(box, Qt::white);
    setBackground(Check5, palette().color(QPalette::HighlightedText));

    connect(Tt1, &QLineEdit::textChanged, this, [this] { HandlerGuard::run(this, [this] { Tt1_Change(); }); });
    connect(Tt2, &QLineEdit::textChanged, this, [this] { HandlerGuard::run(this, [this] { Tt2_Change(); }); });
    connect(Command1, &QPushButton::clicked, this, [this] { HandlerGuard::run(this, [this] { Command1_Click(); }); });

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void VoOp::Form_Load()
{
    WindowStacking::setTopMost(this, true);
}

SheetSettings VoOp::settings() const
{
    // Only a tick counts; the greyed third state does not.
    const auto ticked = [](const QCheckBox *box) { return box->checkState() == Qt::Checked; };
    SheetSettings settings;
    settings.add = ticked(Check1);
    settings.subtract = ticked(Check2);
    settings.multiply = ticked(Check3);
    settings.divide = ticked(Check4);
    settings.firstCount = Tt1->text();
    settings.secondCount = Tt2->text();
    settings.fixedTime = ticked(Check5);
    settings.fixedSeconds = Text1->text();
    return settings;
}

void VoOp::Tt1_Change()
{
    limitDigitCount(Tt1);
}

void VoOp::Tt2_Change()
{
    limitDigitCount(Tt2);
}

void VoOp::Command1_Click()
{
    // A setting the sheet cannot use throws before anything changes, and the dialog stays open.
    m_main->OutCm();
    m_main->timer()->start();
    hide();
    // Back to the sheet, as a learner expects after confirming.
    if (m_main->isVisible())
        m_main->activateWindow();
}

void VoOp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, m_background);
}
