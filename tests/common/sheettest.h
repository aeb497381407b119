// The ground of the offscreen window tests: a fresh program for each test, and no error that would have ended it.
#pragma once

#include "fatalrecorder.h"
#include "sheetprobe.h"

#include <QObject>
#include <QTest>

class SheetTest : public QObject
{
    Q_OBJECT

protected:
    SheetProbe::FreshProgram m_program;
    FatalRecorder m_fatal; // a test that expects the fatal path takes its message

private Q_SLOTS:
    // After each test: the program ends, and nothing reached the fatal path unexpected.
    void cleanup()
    {
        m_program.end();
        QCOMPARE(m_fatal.take(), QStringList());
    }
};
