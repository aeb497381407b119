// The options dialog: operators, digit counts and fixed time, the program's only settings.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

struct SheetSettings;
class CaptionLabel;
class QCheckBox;
class QLineEdit;
class QPushButton;

class VoOp : public QWidget
{
    Q_OBJECT

public:
    // Created hidden. confirm is what "确定" asks of the practice window sheetWindow: a new sheet from the
    // settings and a running clock. It throws SettingsError, before anything changes, when a setting cannot
    // be used; the dialog then stays open. After it, the dialog hides and sheetWindow becomes active again.
    VoOp(QWidget *sheetWindow, std::function<void()> confirm);

    // The settings as the controls hold them right now.
    SheetSettings settings() const;

    // Event handlers, named after their control and event.
    void Command1_Click();
    void Tt1_Change();
    void Tt2_Change();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void createDesign();

    QPointer<QWidget> m_sheetWindow;
    std::function<void()> m_confirm;
    QPixmap m_background;

    QCheckBox *Check1 = nullptr;     // "加"
    QCheckBox *Check2 = nullptr;     // "减"
    QCheckBox *Check3 = nullptr;     // "乘"
    QCheckBox *Check4 = nullptr;     // "除"
    CaptionLabel *Label4 = nullptr;  // "出题位数："
    QLineEdit *Tt1 = nullptr;        // digits of the first operand
    QLineEdit *Tt2 = nullptr;        // digits of the second operand
    CaptionLabel *Label5 = nullptr;  // "与"
    QPushButton *Command1 = nullptr; // "确定"
    QCheckBox *Check5 = nullptr;     // "做题用时："
    QLineEdit *Text1 = nullptr;      // fixed time, seconds
};
