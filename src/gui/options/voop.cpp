// The options dialog: operators, digit counts and fixed time, the program's only settings.
#include "options/voop.h"

#include "controls/captionlabel.h"
#include "controls/design.h"
#include "controls/designfont.h"
#include "controls/handlerguard.h"
#include "controls/steadycursor.h"
#include "controls/windowkeeper.h"
#include "controls/windowmanagerstate.h"
#include "sheet/sheetplan.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <array>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

// The dialog's client area in twips.
constexpr double dialogClientWidth = 4530;
constexpr double dialogClientHeight = 1320;

void limitDigitCount(QLineEdit *box)
{
    const QString limited = SheetPlanner::limitedDigitCount(box->text());
    if (limited != box->text())
        box->setText(limited);
}

} // namespace

VoOp::VoOp(QWidget *sheetWindow, std::function<void()> confirm)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_sheetWindow(sheetWindow)
    , m_confirm(std::move(confirm))
{
    createDesign();
    new WindowKeeper(this, WindowKeeper::OffTaskbar);
    Form_Load();
}

void VoOp::createDesign()
{
    struct Place // in twips
    {
        const char *name;
        double left;
        double top;
        double width;
        double height;
    };
    struct CheckDesign
    {
        QCheckBox *VoOp::*control;
        Place place;
        const char16_t *caption;
        bool ticked;
    };
    struct BoxDesign
    {
        QLineEdit *VoOp::*control;
        Place place;
        QString text;
    };
    struct LabelDesign
    {
        CaptionLabel *VoOp::*control;
        Place place;
        const char16_t *caption;
        double pointSize; // 0: the dialog's font, "宋体" 9 pt regular; otherwise bold
    };
    // The start values are the core's, which printed sheets start from too.
    static const SheetSettings start = SheetSettings::atStart();
    // clang-format off
    static const std::array<CheckDesign, 5> checks{{
            {&VoOp::Check1, {"Check1", 525, 140, 495, 255}, u"加", start.ticks[0]},
            {&VoOp::Check2, {"Check2", 1275, 140, 495, 255}, u"减", start.ticks[1]},
            {&VoOp::Check3, {"Check3", 1950, 150, 495, 255}, u"乘", start.ticks[2]},
            {&VoOp::Check4, {"Check4", 2775, 140, 495, 255}, u"除", start.ticks[3]},
            {&VoOp::Check5, {"Check5", 1680, 960, 1215, 180}, u"做题用时：", start.fixedTime},
    }};
    static const std::array<BoxDesign, 3> boxes{{
            {&VoOp::Tt1, {"Tt1", 1680, 555, 375, 270}, start.firstCount},
            {&VoOp::Tt2, {"Tt2", 2640, 555, 375, 270}, start.secondCount},
            {&VoOp::Text1, {"Text1", 2880, 915, 615, 270}, start.fixedSeconds},
    }};
    static const std::array<LabelDesign, 2> labels{{
            {&VoOp::Label4, {"Label4", 720, 600, 900, 180}, u"出题位数：", 0},
            {&VoOp::Label5, {"Label5", 2160, 570, 255, 240}, u"与", 12},
    }};
    static const Place confirm{"Command1", 3360, 120, 975, 350};
    // clang-format on

    setObjectName(QStringLiteral("VoOp"));
    setWindowTitle(QStringLiteral("设置选项"));
    setFont(DesignFont::song(9, false));
    setFixedSize(Design::pixels(this, dialogClientWidth), Design::pixels(this, dialogClientHeight));

    const auto place = [this](QWidget *widget, const Place &at) {
        widget->setObjectName(QLatin1String(at.name));
        widget->setGeometry(Design::pixelRect(this, at.left, at.top, at.width, at.height));
    };
    for (const CheckDesign &design : checks) {
        auto *box = new QCheckBox(QString::fromUtf16(design.caption), this);
        box->setChecked(design.ticked);
        place(box, design.place);
        this->*design.control = box;
    }
    for (const BoxDesign &design : boxes) {
        auto *box = new QLineEdit(design.text, this);
        box->setMaxLength(std::numeric_limits<int>::max()); // no limit of their own
        new SteadyCursor(box); // a long paste leaves the program idle, as in the answer boxes
        place(box, design.place);
        this->*design.control = box;
    }
    for (const LabelDesign &design : labels) {
        auto *label = new CaptionLabel(this);
        place(label, design.place);
        if (design.pointSize > 0)
            label->setFont(DesignFont::song(design.pointSize, true));
        label->setCaption(QString::fromUtf16(design.caption)); // sized to its text, after the font is set
        this->*design.control = label;
    }
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setAutoDefault(false);
    place(Command1, confirm);

    // The labels take no focus.
    QWidget *previous = Check1;
    for (QWidget *next : std::initializer_list<QWidget *>{Check2, Check3, Check4, Tt1, Tt2, Command1, Check5, Text1}) {
        setTabOrder(previous, next);
        previous = next;
    }

    for (QCheckBox *box : {Check1, Check2, Check3, Check4})
        Design::setBackground(box, Qt::white);
    Design::setBackground(Check5, palette().color(QPalette::HighlightedText));

    connect(Tt1, &QLineEdit::textChanged, this, HandlerGuard::guarded(this, &VoOp::Tt1_Change));
    connect(Tt2, &QLineEdit::textChanged, this, HandlerGuard::guarded(this, &VoOp::Tt2_Change));
    connect(Command1, &QPushButton::clicked, this, HandlerGuard::guarded(this, &VoOp::Command1_Click));

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void VoOp::Form_Load()
{
    WindowManagerState::setTopMost(this, true);
}

SheetSettings VoOp::settings() const
{
    // Only a tick counts; the greyed third state does not.
    const auto ticked = [](const QCheckBox *box) { return box->checkState() == Qt::Checked; };
    SheetSettings settings;
    const std::array<const QCheckBox *, 4> operators{Check1, Check2, Check3, Check4};
    for (size_t i = 0; i < operators.size(); ++i)
        settings.ticks[i] = ticked(operators[i]);
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
