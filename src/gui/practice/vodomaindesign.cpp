// The practice window as designed, built from tables in twips, and the placing of a sheet's rows.
#include "practice/vodomain.h"

#include "controls/answerbox.h"
#include "controls/captionlabel.h"
#include "controls/controlarray.h"
#include "controls/design.h"
#include "controls/designfont.h"
#include "controls/designline.h"
#include "controls/designshape.h"
#include "controls/handlerguard.h"
#include "shared/twips.h"
#include "sheet/sheetlayout.h"
#include "sheet/sheetshape.h"

#include <QPushButton>
#include <QTimer>

#include <array>

namespace {

using SheetLayout::TwipRect;

// The window's client area, in twips.
constexpr double clientWidth = 9240;
constexpr double clientHeight = 4305;

const QColor windowColor(0xC0, 0xFF, 0xC0);
const QColor sheetText(0x00, 0x40, 0x00);
const QColor red(0xFF, 0x00, 0x00);
const QColor green(0x00, 0x80, 0x00);
const QColor blue(0x00, 0x00, 0xFF);

QString indexedName(const char *array, int index)
{
    return QLatin1String(array) + u'_' + QString::number(index);
}

} // namespace

void VoDoMain::createDesign()
{
    setObjectName(QStringLiteral("VoDoMain"));
    setWindowTitle(QStringLiteral("Sumora(Brenn六周年纪念版)"));
    setFont(DesignFont::song(9, false));
    setFixedSize(Design::pixels(this, clientWidth), Design::pixels(this, clientHeight));
    setAutoFillBackground(true);
    Design::setColor(this, QPalette::Window, windowColor);

    createRowTemplates();
    createLabels();
    createButtons();
    createLines();
    createTimer();
}

void VoDoMain::createRowTemplates()
{
    struct LabelTemplate
    {
        QList<CaptionLabel *> VoDoMain::*array;
        const char *name;
        SheetLayout::Element element;
        const char16_t *text;
        QColor color;
    };
    static const std::array<LabelTemplate, 3> labels{{
            {&VoDoMain::Label1, "Label1", SheetLayout::Question, u"99×99", sheetText},
            {&VoDoMain::Label2, "Label2", SheetLayout::EqualsSign, u"＝", sheetText},
            {&VoDoMain::Label3, "Label3", SheetLayout::Mark, u"#", red},
    }};

    // All four are 12 pt bold and never shown.
    const QFont sheetFont = DesignFont::song(12, true);
    // Templates keep their design extents, so the cell width is the same with every font.
    const auto design = [&](QWidget *widget, const char *name, SheetLayout::Element element) {
        const TwipRect &rect = SheetLayout::designTemplates[element];
        widget->setObjectName(indexedName(name, 0));
        widget->setFont(sheetFont);
        widget->setGeometry(Design::pixelRect(this, rect.left, rect.top, rect.width, rect.height));
        widget->hide();
    };
    for (const LabelTemplate &row : labels) {
        auto *label = new CaptionLabel(this);
        label->setText(QString::fromUtf16(row.text));
        Design::setColor(label, QPalette::WindowText, row.color);
        design(label, row.name, row.element);
        (this->*row.array).append(label);
    }
    auto *box = new AnswerBox(this);
    Design::setColor(box, QPalette::Text, sheetText);
    design(box, "Text2", SheetLayout::AnswerBox);
    Text2.append(box);
}

void VoDoMain::createLabels()
{
    struct LabelDesign
    {
        CaptionLabel *VoDoMain::*control; // nullptr: the window only shows it
        const char *name;
        double left;
        double top;
        const char16_t *text;
        QColor color; // invalid: the standard text colour
        double pointSize;
    };
    static const std::array<LabelDesign, 5> labels{{
            {nullptr, "Label5", 3600, 180, u"努力学习^_^", green, 14.25},
            {nullptr, "VoOutCome", 240, 3885, u"得分：", QColor(), 10.5},
            {&VoDoMain::Label4, "Label4", 960, 3870, u"00.00", red, 12},
            {nullptr, "Label6", 2100, 3885, u"倒计时:", QColor(), 10.5},
            {&VoDoMain::Label7, "Label7", 3000, 3900, u"00:00", blue, 9},
    }};

    // The slogan's frame first, so that the slogan is drawn over it.
    auto *shape = new DesignShape(this, Design::pixelRect(this, 2940, 75, 3015, 495), QColor(0xC0, 0xFF, 0xFF),
                                  QColor(0x00, 0x80, 0x80), 2);
    shape->setObjectName(QStringLiteral("Shape1"));

    for (const LabelDesign &design : labels) {
        auto *label = new CaptionLabel(this);
        label->setObjectName(QLatin1String(design.name));
        label->setFont(DesignFont::song(design.pointSize, true));
        if (design.color.isValid())
            Design::setColor(label, QPalette::WindowText, design.color);
        label->move(Design::pixels(this, design.left), Design::pixels(this, design.top));
        label->setCaption(QString::fromUtf16(design.text));
        if (design.control)
            this->*design.control = label;
    }
}

void VoDoMain::createButtons()
{
    struct ButtonDesign
    {
        QPushButton *VoDoMain::*control;
        const char *name;
        const char16_t *caption;
        double left;
        void (VoDoMain::*click)();
    };
    // Left to right; all 1000 x 350 at Top 3810 in the window's default font.
    static const std::array<ButtonDesign, 4> buttons{{
            {&VoDoMain::VoTaPg, "VoTaPg", u"交卷(&T)", 4440, &VoDoMain::VoTaPg_Click},
            {&VoDoMain::Command1, "Command1", u"出题(&D)", 5610, &VoDoMain::Command1_Click},
            {&VoDoMain::Cmdbtn, "Cmdbtn", u"设置", 6780, &VoDoMain::Cmdbtn_Click},
            {&VoDoMain::EndDo, "EndDo", u"退出(&X)", 7950, &VoDoMain::EndDo_Click},
    }};

    for (const ButtonDesign &design : buttons) {
        auto *button = new QPushButton(QString::fromUtf16(design.caption), this);
        button->setObjectName(QLatin1String(design.name));
        button->setAutoDefault(false);
        button->setGeometry(Design::pixelRect(this, design.left, 3810, 1000, 350));
        connect(button, &QPushButton::clicked, this, HandlerGuard::guarded(this, design.click));
        this->*design.control = button;
    }
}

void VoDoMain::createLines()
{
    struct LineDesign
    {
        const char *name;
        double x1;
        double x2;
        double y;
        int width; // pixels
        QColor color;
    };
    static const std::array<LineDesign, 3> lines{{
            {"Line1", -120, 9240, 3720, 5, green}, // separator above the status strip
            {"Line2", 960, 1745, 4140, 2, red},    // underline of the score
            {"Line3", 2925, 3765, 4140, 2, blue},  // underline of the clock
    }};

    for (const LineDesign &design : lines) {
        auto *line = new DesignLine(this, Design::pixels(this, design.x1), Design::pixels(this, design.x2),
                                    Design::pixels(this, design.y), design.width, design.color);
        line->setObjectName(QLatin1String(design.name));
    }
}

void VoDoMain::createTimer()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer fires up to 50 ms early
    connect(Timer1, &QTimer::timeout, this, HandlerGuard::guarded(this, &VoDoMain::Timer1_Timer));
}

void VoDoMain::createRows(const QStringList &questions)
{
    for (int i = 1; i <= SheetShape::rowsPerSheet; ++i) {
        Label1.append(newElement(*Label1[0]));
        Label2.append(newElement(*Label2[0]));
        Label3.append(newElement(*Label3[0]));
        Text2.append(newElement(*Text2[0]));
        Label1[i]->setObjectName(indexedName("Label1", i));
        Label2[i]->setObjectName(indexedName("Label2", i));
        Label3[i]->setObjectName(indexedName("Label3", i));
        Text2[i]->setObjectName(indexedName("Text2", i));
        Text2[i]->setIndex(i);
        Label1[i]->setCaption(questions[i - 1]);
        Label2[i]->setCaption(Label2[0]->text());
        Label3[i]->setCaption(Label3[0]->text());
        // A screen reader announces the question with its box.
        Text2[i]->setAccessibleName(questions[i - 1] + Label2[0]->text());
        connect(Text2[i], &AnswerBox::keyDown, this, HandlerGuard::guarded(this, &VoDoMain::Text2_KeyDown));
    }
    placeRows();
}

void VoDoMain::placeRows()
{
    const double dpi = logicalDpiY();
    const std::array<float, SheetLayout::ElementCount> heights{
            float(Twips::fromPixels(Label1[1]->height(), dpi)), float(Twips::fromPixels(Label2[1]->height(), dpi)),
            float(Twips::fromPixels(Label3[1]->height(), dpi)),
            SheetLayout::designTemplates[SheetLayout::AnswerBox].height};
    const auto rows = SheetLayout::placeRows(SheetLayout::designTemplates, heights);

    QWidget *previous = nullptr;
    for (int i = 1; i <= SheetShape::rowsPerSheet; ++i) {
        const SheetLayout::Row &row = rows[size_t(i - 1)];
        const auto place = [this](QWidget *widget, const TwipRect &rect) {
            widget->move(Design::pixels(this, rect.left), Design::pixels(this, rect.top));
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
