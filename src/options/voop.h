// The options dialog: operators, digit counts and fixed time, the program's only settings.
#pragma once

#include <QPixmap>
#include <QWidget>

struct SheetSettings;
class CaptionLabel;
class QCheckBox;
class QLineEdit;
class QPushButton;
class VoDoMain;

class VoOp : public QWidget
{
    Q_OBJECT

public:
    // Created hidden; main is the practice window whose sheet the OK button rebuilds.
    explicit VoOp(VoDoMain *main);

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
    int pixels(double twips) const;

    VoDoMain *m_main;
    QPixmap m_background;

    QCheckBox *Check1 = nullptr; // "加"
    QCheckBox *Check2 = nullptr; // "减"
    QCheckBox *Check3 = nullptr; // "乘"
    QCheckBox *Check4 = nullptr; // "除"
    QCheckBox *Check5 = nullptr; // "做题用时："
    QLineEdit *Tt1 = nullptr;    // digits of the first operand
    QLineEdit *Tt2 = nullptr;    // digits of the second operand
    QLineEdit *Text1 = nullptr;  // fixed time, seconds
    QPushButton *Command1 = nullptr; // "确定"
};
