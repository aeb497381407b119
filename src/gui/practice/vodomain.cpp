// The practice window: the question sheet, its clock, grading and commands.
#include "practice/vodomain.h"

#include "controls/answerbox.h"
#include "controls/captionlabel.h"
#include "controls/controlarray.h"
#include "controls/windowkeeper.h"
#include "controls/windowmanagerstate.h"
#include "options/voop.h"
#include "sheet/grading.h"
#include "sheet/sheetplan.h"
#include "sheet/sheettime.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

VoDoMain::VoDoMain(RandomSource &source, bool (*initStyles)())
    // A plain top-level window, not a dialog: GNOME's window manager drops the no-taskbar state of a dialog that
    // is transient for nothing. Title and close box only, no minimise or maximise.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_source(source)
    , m_initStyles(initStyles)
{
    Form_Initialize();
    createDesign();
    new WindowKeeper(this,
                     WindowKeeper::OffTaskbar | WindowKeeper::IconAfterFirstFrame | WindowKeeper::BackFromMinimised);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &VoDoMain::onFocusWindowChanged);
    Form_Load();
}

VoDoMain::~VoDoMain() = default;

void VoDoMain::Form_Initialize()
{
    if (m_initStyles)
        m_initStyles(); // its result is not looked at: unthemed controls still work
}

void VoDoMain::Form_Load()
{
    // A failing step is skipped: the window is shown whatever the first build managed.
    WindowManagerState::setTopMost(this, true);
    try {
        OutCm();
    } catch (const std::exception &error) {
        qWarning("Sumora: the first sheet could not be built: %s", error.what());
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
    if (!m_options) {
        // "确定" builds a sheet and starts the clock, even when no operator is ticked and nothing is built.
        m_options = std::make_unique<VoOp>(this, [this] {
            OutCm();
            Timer1->start();
        });
    }
    return m_options.get();
}

void VoDoMain::OutCm()
{
    const std::optional<SheetPlan> plan = SheetPlanner::plan(options()->settings());
    if (!plan)
        return;
    const QStringList questions = SheetPlanner::questions(*plan, m_source);

    // Everything that can fail is done: from here on the sheet is replaced as a whole.
    Label4->setCaption(QStringLiteral("00"));
    for (QPushButton *button : {Command1, EndDo})
        button->setAccessibleDescription(QString());
    removeRows();
    createRows(questions);
    Label7->setCaption(SheetTime::countdownText(plan->seconds));
    Timer1->start();
}

void VoDoMain::removeRows()
{
    // Off the sheet now, deleted later: this build may run inside the key handler of a box it removes.
    for (qsizetype i = Label1.size() - 1; i >= 1; --i) {
        retireElement(Label1.takeAt(i));
        retireElement(Label2.takeAt(i));
        retireElement(Label3.takeAt(i));
        Text2.takeAt(i)->retire();
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
    int correct = 0;
    for (qsizetype i = 1; i <= n; ++i) {
        Label3[i]->hide();
        Text2[i]->setReadOnly(true);
        const std::optional<QString> expected = Grading::expectedAnswer(Label1[i]->text());
        const bool right = expected && Grading::isCorrect(Text2[i]->text(), *expected);
        if (right) {
            ++correct;
            Label3[i]->setCaption(QStringLiteral("√"));
            Label3[i]->show();
        }
        // A screen reader tells the mark with the box, as the eye sees it beside the box.
        Text2[i]->setAccessibleDescription(right ? QStringLiteral("答对了") : QStringLiteral("没有答对"));
    }
    Label4->setCaption(Grading::scoreText(correct, int(n)));
    // Whichever of the two gets the focus, a screen reader says the score after the button's name.
    for (QPushButton *button : {Command1, EndDo})
        button->setAccessibleDescription(QStringLiteral("得分：") + Label4->text());
    if (Grading::isFullScore(Label4->text())) {
        const QPointer<AnswerBox> graded = Text2[1];
        QCoreApplication::processEvents();
        // A click that was waiting may have built a new sheet meanwhile; the focus stays where that build put it.
        if (Text2.size() > 1 && Text2[1] == graded)
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
    WindowManagerState::setTopMost(this, false);
    // The window manager applies the change asynchronously; a window destroyed first would keep it.
    WindowManagerState::whenNotTopMost(this, 300, [] { QCoreApplication::exit(EXIT_SUCCESS); });
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
