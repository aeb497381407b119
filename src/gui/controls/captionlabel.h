// A label that sizes itself to its caption, as every label of the program's windows does.
#pragma once

#include <QLabel>

class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    // Sets the text and takes the text's extent in the label's font; Left and Top stay.
    void setCaption(const QString &caption);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitToText();
};
