// The options dialog: operators, digit counts and fixed time, the program's only settings.
#include "options/voop.h"

#include "controls/captionlabel.h"
#include "controls/designfont.h"
#include "controls/handlerguard.h"
#include "controls/windowstacking.h"
#include "shared/numbers.h"
#include "shared/twips.h"
#include "sheet/sheetplan.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <array>
#include <limits>
#include <type_traits>
#include <utility>
#include <variant>

namespace {

// Client area in twips.
constexpr double clientWidth = 4530;
constexpr double clientHeight = 1320;
constexpr double largestDigitCount = 2;

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

VoOp::VoOp(QWidget *sheetWindow, std::function<void()> confirm)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_sheetWindow(sheetWindow)
    , m_confirm(std::move(confirm))
{
    createDesign();
    Form_Load();
}

bool VoOp::event(QEvent *event)
{
    // Off the taskbar before each mapping: the window manager drops the state whenever the dialog is hidden or closed.
    if (event->type() == QEvent::Show && !event->spontaneous())
        WindowStacking::hideFromTaskbar(this);
    return QWidget::event(event);
}

int VoOp::pixels(double twips) const
{
    return Twips::toPixels(twips, logicalDpiY());
}

template<typename Control>
using Field = Control *VoOp::*;

void VoOp::createDesign()
{
    // The member a row fills decides the kind of control it is.
    using Member = std::variant<Field<QCheckBox>, Field<QLineEdit>, Field<CaptionLabel>, Field<QPushButton>>;
    struct ControlDesign
    {
        Member control;
        const char *name;
        double left;
        double top;
        double width;
        double height;
        const char16_t *caption;
        bool ticked;
        double pointSize; // 0: the dialog's default font, "宋体" 9 pt regular; otherwise bold
    };
    // In tab order; the labels take no focus.
    static const std::array<ControlDesign, 11> controls{{
            {&VoOp::Check1, "Check1", 525, 140, 495, 255, u"加", true, 0},
            {&VoOp::Check2, "Check2", 1275, 140, 495, 255, u"减", true, 0},
            {&VoOp::Check3, "Check3", 1950, 150, 495, 255, u"乘", false, 0},
            {&VoOp::Check4, "Check4", 2775, 140, 495, 255, u"除", false, 0},
            {&VoOp::Label4, "Label4", 720, 600, 900, 180, u"出题位数：", false, 0},
            {&VoOp::Tt1, "Tt1", 1680, 555, 375, 270, u"1", false, 0},
            {&VoOp::Tt2, "Tt2", 2640, 555, 375, 270, u"1", false, 0},
            {&VoOp::Label5, "Label5", 2160, 570, 255, 240, u"与", false, 12},
            {&VoOp::Command1, "Command1", 3360, 120, 975, 350, u"确定", false, 0},
            {&VoOp::Check5, "Check5", 1680, 960, 1215, 180, u"做题用时：", false, 0},
            {&VoOp::Text1, "Text1", 2880, 915, 615, 270, u"70", false, 0},
    }};

    setObjectName(QStringLiteral("VoOp"));
    setWindowTitle(QStringLiteral("设置选项"));
    setFont(DesignFont::song(9, false));
    setFixedSize(pixels(clientWidth), pixels(clientHeight));

    QWidget *previous = nullptr;
    for (const ControlDesign &design : controls) {
        const QString caption = QString::fromUtf16(design.caption);
        QWidget *widget = std::visit(
                [&](auto member) -> QWidget * {
                    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                    auto *control = new Control(this);
                    this->*member = control;
                    if constexpr (std::is_same_v<Control, QCheckBox>)
                        control->setChecked(design.ticked);
                    if constexpr (std::is_same_v<Control, QPushButton>)
                        control->setAutoDefault(false);
                    if constexpr (std::is_same_v<Control, QLineEdit>)
                        control->setMaxLength(std::numeric_limits<int>::max()); // no limit of their own
                    if constexpr (!std::is_same_v<Control, CaptionLabel>)
                        control->setText(caption);
                    return control;
                },
                design.control);
        widget->setObjectName(QLatin1String(design.name));
        widget->setGeometry(pixels(design.left), pixels(design.top), pixels(design.width), pixels(design.height));
        if (design.pointSize > 0)
            widget->setFont(DesignFont::song(design.pointSize, true));
        if (auto *label = qobject_cast<CaptionLabel *>(widget)) {
            label->setCaption(caption); // sized to its text, after the font is set
            continue;
        }
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }

    for (QCheckBox *box : {Check1, Check2, Check3, Check4})
        setBackground(box, Qt::white);
    setBackground(Check5, palette().color(QPalette::HighlightedText));

    connect(Tt1, &QLineEdit::textChanged, this, HandlerGuard::guarded(this, &VoOp::Tt1_Change));
    connect(Tt2, &QLineEdit::textChanged, this, HandlerGuard::guarded(this, &VoOp::Tt2_Change));
    connect(Command1, &QPushButton::clicked, this, HandlerGuard::guarded(this, &VoOp::Command1_Click));

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
    m_confirm();
    hide();
    // Back to the sheet, as a learner expects after confirming.
    if (m_sheetWindow && m_sheetWindow->isVisible())
        m_sheetWindow->activateWindow();
}

void VoOp::paintEvent(QPaintEvent * /*event*/)
{
    // Read when the dialog is first drawn, not while the program starts.
    if (m_background.isNull())
        m_background.load(QStringLiteral(":/background.png"));
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, m_background);
}
