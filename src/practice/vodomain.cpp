// The practice window: the question sheet, its clock, grading and commands.
#include "practice/vodomain.h"

#include "app/modxpfm.h"
#include "options/voop.h"
#include "practice/answerbox.h"
#include "practice/captionlabel.h"
#include "practice/controlarray.h"
#include "practice/designfont.h"
#include "practice/designline.h"
#include "practice/designshape.h"
#include "practice/grading.h"
#include "practice/handlerguard.h"
#include "practice/sheetlayout.h"
#include "practice/sheetplan.h"
#include "practice/sheettime.h"
#include "practice/windowstacking.h"
#include "questions/prmain.h"
#include "shared/runtimeerror.h"
#include "shared/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <array>

namespace {

using SheetLayout::TwipRect;

// Design of the window, in twips from the top-left corner of the client area.
constexpr double clientWidth = 9240;
constexpr double clientHeight = 4305;
const QColor windowColor(0xC0, 0xFF, 0xC0);
const QColor sheetText(0x00, 0x40, 0x00);
const QColor red(0xFF, 0x00, 0x00);
const QColor green(0x00, 0x80, 0x00);
const QColor blue(0x00, 0x00, 0xFF);

struct TemplateDesign
{
    const char *name;
    TwipRect rect;
    const char16_t *text;
    QColor color;
};

// The row templates, in the order a row's elements are created; all 12 pt bold, never shown.
const std::array<TemplateDesign, SheetLayout::ElementCount> rowTemplates{{
    {"Label1", {360, 120, 795, 240}, u"99×99", sheetText},
    {"Label2", {1200, 120, 255, 240}, u"＝", sheetText},
    {"Label3", {2175, 150, 135, 240}, u"#", red},
    {"Text2", {1440, 60, 735, 360}, u"", sheetText},
}};

struct LabelDesign
{
    const char *name;
    double left;
    double top;
    const char16_t *text;
    QColor color; // invalid: the standard text colour
    double pointSize;
};

const std::array<LabelDesign, 5> labels{{
    {"Label5", 3600, 180, u"努力学习^_^", green, 14.25},
    {"VoOutCome", 240, 3885, u"得分：", QColor(), 10.5},
    {"Label4", 960, 3870, u"00.00", red, 12},
    {"Label6", 2100, 3885, u"倒计时:", QColor(), 10.5},
    {"Label7", 3000, 3900, u"00:00", blue, 9},
}};

struct ButtonDesign
{
    const char *name;
    const char16_t *caption;
    double left;
};

// Left to right; all 1000 x 350 at Top 3810 in the window's default font.
const std::array<ButtonDesign, 4> buttons{{
    {"VoTaPg", u"交卷(&T)", 4440},
    {"Command1", u"出题(&D)", 5610},
    {"Cmdbtn", u"设置", 6780},
    {"EndDo", u"退出(&X)", 7950},
}};

struct LineDesign
{
    const char *name;
    double x1;
    double x2;
    double y;
    int width; // pixels
    QColor color;
};

const std::array<LineDesign, 3> lines{{
    {"Line1", -120, 9240, 3720, 5, green}, // separator above the status strip
    {"Line2", 960, 1745, 4140, 2, red},    // underline of the score
    {"Line3", 2925, 3765, 4140, 2, blue},  // underline of the clock
}};

void setPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QString indexedName(const char *array, int index)
{
    return QLatin1String(array) + u'_' + QString::number(index);
}

} // namespace

VoDoMain::VoDoMain(RandomSource &source)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_source(source)
{
    Form_Initialize();
    createDesign();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &VoDoMain::onFocusWindowChanged);
    Form_Load();
    WindowStacking::hideFromTaskbar(this);
}

VoDoMain::~VoDoMain() = default;

void VoDoMain::Form_Initialize()
{
    ModXpFm::InitXpStyles();
}

int VoDoMain::pixels(double twips) const
{
    return Twips::toPixels(twips, logicalDpiY());
}

void VoDoMain::createDesign()
{
    setObjectName(QStringLiteral("VoDoMain"));
    setWindowTitle(QStringLiteral("Sumora(Brenn六周年纪念版)"));
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    setFont(DesignFont::song(9, false));
    setFixedSize(pixels(clientWidth), pixels(clientHeight));
    setAutoFillBackground(true);
    setPaletteColor(this, QPalette::Window, windowColor);

    const QFont sheetFont = DesignFont::song(12, true);
    for (int e = 0; e < SheetLayout::ElementCount; ++e) {
        const TemplateDesign &design = rowTemplates[size_t(e)];
        QWidget *widget = nullptr;
        if (e == SheetLayout::AnswerBox) {
            auto *box = new AnswerBox(this);
            setPaletteColor(box, QPalette::Text, design.color);
            Text2.append(box);
            widget = box;
        } else {
            auto *label = new CaptionLabel(this);
            label->setText(QString::fromUtf16(design.text));
            setPaletteColor(label, QPalette::WindowText, design.color);
            (e == SheetLayout::Question ? Label1 : e == SheetLayout::EqualsSign ? Label2 : Label3).append(label);
            widget = label;
        }
        widget->setObjectName(indexedName(design.name, 0));
        widget->setFont(sheetFont);
        // Templates keep their design extents, so the cell width is the same with every font.
        widget->setGeometry(pixels(design.rect.left), pixels(design.rect.top), pixels(design.rect.width),
                            pixels(design.rect.height));
        widget->hide();
    }

    // The slogan's frame first, so that the slogan is drawn over it.
    auto *shape = new DesignShape(this, QRect(pixels(2940), pixels(75), pixels(3015), pixels(495)),
                                  QColor(0xC0, 0xFF, 0xFF), QColor(0x00, 0x80, 0x80), 2);
    shape->setObjectName(QStringLiteral("Shape1"));

    for (const LabelDesign &design : labels) {
        auto *label = new CaptionLabel(this);
        label->setObjectName(QLatin1String(design.name));
        label->setFont(DesignFont::song(design.pointSize, true));
        if (design.color.isValid())
            setPaletteColor(label, QPalette::WindowText, design.color);
        label->move(pixels(design.left), pixels(design.top));
        label->setCaption(QString::fromUtf16(design.text));
    }
    Label4 = findChild<CaptionLabel *>(QStringLiteral("Label4"));
    Label7 = findChild<CaptionLabel *>(QStringLiteral("Label7"));

    QList<QPushButton *> made;
    for (const ButtonDesign &design : buttons) {
        auto *button = new QPushButton(QString::fromUtf16(design.caption), this);
        button->setObjectName(QLatin1String(design.name));
        button->setAutoDefault(false);
        button->setGeometry(pixels(design.left), pixels(3810), pixels(1000), pixels(350));
        made.append(button);
    }
    VoTaPg = made[0];
    Command1 = made[1];
    Cmdbtn = made[2];
    EndDo = made[3];
    connect(VoTaPg, &QPushButton::clicked, this, [this] { HandlerGuard::run(this, [this] { VoTaPg_Click(); }); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { HandlerGuard::run(this, [this] { Command1_Click(); }); });
    connect(Cmdbtn, &QPushButton::clicked, this, [this] { HandlerGuard::run(this, [this] { Cmdbtn_Click(); }); });
    connect(EndDo, &QPushButton::clicked, this, [this] { HandlerGuard::run(this, [this] { EndDo_Click(); }); });

    for (const LineDesign &design : lines) {
        auto *line = new DesignLine(this, pixels(design.x1), pixels(design.x2), pixels(design.y), design.width,
                                    design.color);
        line->setObjectName(QLatin1String(design.name));
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer fires up to 50 ms early
    connect(Timer1, &QTimer::timeout, this, [this] { HandlerGuard::run(this, [this] { Timer1_Timer(); }); });
}

void VoDoMain::Form_Load()
{
    // A failing step is skipped: the window is shown whatever the first build managed.
    WindowStacking::setTopMost(this, true);
    try {
        OutCm();
    } catch (const std::exception &) {
    }
}

void VoDoMain::Form_Activate()
{
    if (Text2.size() > 1 && Text2[1]->isEnabled() && !Text2[1]->isHidden())
        Text2[1]->setFocus();
}

void VoDoMain::onFocusWindowChanged(QWindow *window)
{
    if (!window)
        return; // the program as a whole lost the focus; coming back to it is no activation
    const bool fromElsewhere = m_lastFocusWindow != window;
    m_lastFocusWindow = window;
    if (fromElsewhere && window == windowHandle())
        Form_Activate();
}

VoOp *VoDoMain::options()
{
    if (!m_options)
        m_options = std::make_unique<VoOp>(this);
    return m_options.get();
}

void VoDoMain::OutCm()
{
    const std::optional<SheetPlan> plan = SheetPlanner::plan(options()->settings());
    if (!plan)
        return;
    QStringList questions;
    for (int i = 0; i < SheetLayout::rowsPerSheet; ++i)
        questions.append(PrMain::MakeQuestion(plan->firstCount, plan->secondCount, plan->operatorSet, m_source));

    // Everything that can fail is done: from here on the sheet is replaced as a whole.
    Label4->setCaption(QStringLiteral("00"));
    removeRows();
    createRows(questions);
    Label7->setCaption(SheetTime::countdownText(plan->seconds));
    Timer1->start();
}

void VoDoMain::removeRows()
{
    for (qsizetype i = Label1.size() - 1; i >= 1; --i) {
        delete Label1.takeAt(i);
        delete Label2.takeAt(i);
        delete Label3.takeAt(i);
        delete Text2.takeAt(i);
    }
}

void VoDoMain::createRows(const QStringList &questions)
{
    const double dpi = logicalDpiY();
    for (int i = 1; i <= SheetLayout::rowsPerSheet; ++i) {
        Label1.append(newElement(*Label1[0]));
        Label2.append(newElement(*Label2[0]));
        Label3.append(newElement(*Label3[0]));
        Text2.append(newElement(*Text2[0]));
        Label1[i]->setObjectName(indexedName("Label1", i));
        Label2[i]->setObjectName(indexedName("Label2", i));
        Label3[i]->setObjectName(indexedName("Label3", i));
        Text2[i]->setObjectName(indexedName("Text2", i));
        Label1[i]->setCaption(questions[i - 1]);
        Label2[i]->setCaption(Label2[0]->text());
        Label3[i]->setCaption(Label3[0]->text());
        // A screen reader announces the question with its box.
        Text2[i]->setAccessibleName(questions[i - 1] + Label2[0]->text());
        connect(Text2[i], &AnswerBox::keyDown, this, [this, i](int keyCode, int shift) {
            HandlerGuard::run(this, [&] { Text2_KeyDown(i, keyCode, shift); });
        });
    }

    SheetLayout::Row templates{};
    for (int e = 0; e < SheetLayout::ElementCount; ++e)
        templates[size_t(e)] = rowTemplates[size_t(e)].rect;
    const std::array<float, SheetLayout::ElementCount> heights{
        float(Twips::fromPixels(Label1[1]->height(), dpi)), float(Twips::fromPixels(Label2[1]->height(), dpi)),
        float(Twips::fromPixels(Label3[1]->height(), dpi)), templates[SheetLayout::AnswerBox].height};
    const auto rows = SheetLayout::placeRows(templates, heights);

    QWidget *previous = nullptr;
    for (int i = 1; i <= SheetLayout::rowsPerSheet; ++i) {
        const SheetLayout::Row &row = rows[size_t(i - 1)];
        const auto place = [this](QWidget *widget, const TwipRect &rect) {
            widget->move(pixels(rect.left), pixels(rect.top));
        };
        place(Label1[i], row[SheetLayout::Question]);
        place(Label2[i], row[SheetLayout::EqualsSign]);
        place(Text2[i], row[SheetLayout::AnswerBox]);
        place(Label3[i], row[SheetLayout::Mark]);
        // The boxes drift 2 twips a column against the labels, so the last column's box reaches a pixel
        // into its mark; the mark starts where the box ends, or the box would paint over the "√".
        if (Label3[i]->x() < Text2[i]->geometry().right() + 1)
            Label3[i]->move(Text2[i]->geometry().right() + 1, Label3[i]->y());
        Label1[i]->show();
        Label2[i]->show();
        Text2[i]->show();
        if (previous)
            setTabOrder(previous, Text2[i]);
        previous = Text2[i];
    }
    // After the boxes in reading order come the buttons in their design order.
    for (QPushButton *button : {EndDo, VoTaPg, Command1, Cmdbtn}) {
        setTabOrder(previous, button);
        previous = button;
    }
}

void VoDoMain::Command1_Click()
{
    OutCm();
    QCoreApplication::processEvents();
    Form_Activate();
}

void VoDoMain::VoTaPg_Click()
{
    Timer1->stop();
    if (Label1.size() < 2)
        return;
    const qsizetype n = Label1.size() - 1;
    double correct = 0;
    for (qsizetype i = 1; i <= n; ++i) {
        Label3[i]->hide();
        Text2[i]->setReadOnly(true);
        const std::optional<QString> expected = Grading::expectedAnswer(Label1[i]->text());
        if (expected && Grading::isCorrect(Text2[i]->text(), *expected)) {
            correct += 1;
            Label3[i]->setCaption(QStringLiteral("√"));
            Label3[i]->show();
        }
    }
    Label4->setCaption(Grading::scoreText(int(correct), int(n)));
    if (Grading::isFullScore(Label4->text())) {
        QCoreApplication::processEvents();
        EndDo->setFocus();
    } else {
        Command1->setFocus();
    }
}

void VoDoMain::Cmdbtn_Click()
{
    Timer1->stop();
    VoOp *dialog = options();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void VoDoMain::EndDo_Click()
{
    WindowStacking::setTopMost(this, false);
    // The window manager applies the change asynchronously; a window destroyed first would keep it.
    WindowStacking::waitUntilNotTopMost(this, 300);
    QCoreApplication::exit(EXIT_SUCCESS);
}

void VoDoMain::Timer1_Timer()
{
    const std::optional<QString> next = SheetTime::countdownStep(Label7->text());
    if (!next) {
        Timer1->stop();
        VoTaPg_Click();
        return;
    }
    Label7->setCaption(*next);
}

void VoDoMain::Text2_KeyDown(int index, int keyCode, int shift)
{
    Q_UNUSED(index);
    Q_UNUSED(shift);
    if (keyCode == AnswerBox::enterKey)
        VoTaPg_Click();
}

void VoDoMain::closeEvent(QCloseEvent *event)
{
    // Closing through the frame ends the program, as the exit button does, with the hidden dialog.
    event->accept();
    QCoreApplication::exit(EXIT_SUCCESS);
}
