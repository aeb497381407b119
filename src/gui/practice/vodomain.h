// The practice window: the question sheet, its clock, grading and commands.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

class AnswerBox;
class CaptionLabel;
class QPushButton;
class QTimer;
class QWindow;
class RandomSource;
class VoOp;

class VoDoMain : public QWidget
{
    Q_OBJECT

public:
    // Questions are drawn from source; the program passes its one program-wide source. initStyles, when given, is
    // the platform's start-up of themed controls, run first, as the window is created.
    explicit VoDoMain(RandomSource &source, bool (*initStyles)() = nullptr);
    ~VoDoMain() override;

    // Builds a new sheet from the options dialog's settings. Throws SettingsError, before anything
    // on the sheet has changed, when a setting cannot be used.
    void OutCm();

    // The options dialog, created hidden on first use; it lives as long as this window.
    VoOp *options();
    QTimer *timer() const { return Timer1; }

    // Event handlers, named after their control and event.
    void Command1_Click();
    void VoTaPg_Click();
    void Cmdbtn_Click();
    void EndDo_Click();
    void Timer1_Timer();
    void Text2_KeyDown(int index, int keyCode, int shift);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();

    // The window as designed, and the rows of a sheet (vodomaindesign.cpp).
    void createDesign();
    void createRowTemplates();
    void createLabels();
    void createButtons();
    void createLines();
    void createTimer();
    void createRows(const QStringList &questions);
    void placeRows();

    void removeRows();
    void onFocusWindowChanged(QWindow *window);

    RandomSource &m_source;
    bool (*m_initStyles)();
    std::unique_ptr<VoOp> m_options;
    QPointer<QWindow> m_lastFocusWindow; // the program's last active window, kept while none is

    // Control arrays; element 0 of each is the hidden row template.
    QList<CaptionLabel *> Label1; // question
    QList<CaptionLabel *> Label2; // equals sign
    QList<CaptionLabel *> Label3; // mark
    QList<AnswerBox *> Text2;     // answer box

    CaptionLabel *Label4 = nullptr;  // score
    CaptionLabel *Label7 = nullptr;  // clock
    QPushButton *VoTaPg = nullptr;   // "交卷(&T)"
    QPushButton *Command1 = nullptr; // "出题(&D)"
    QPushButton *Cmdbtn = nullptr;   // "设置"
    QPushButton *EndDo = nullptr;    // "退出(&X)"
    QTimer *Timer1 = nullptr;
};
