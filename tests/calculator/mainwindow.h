#pragma once

#include "calculator/ftarvi.h"
#include "testkit/fakes.h"
#include "testkit/workdir.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvi::testkit {

// The main window shown and active in a fresh working folder, over recording
// fakes of the message and program-start services. Includes what reaching the
// window's controls takes.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Types each entry into the PR list's field and presses Enter.
    void addMultiplicities(std::initializer_list<const char*> entries)
    {
        for (const char* entry : entries) {
            QTest::keyClicks(window.npr->lineEdit(), QString::fromUtf8(entry));
            QTest::keyClick(window.npr->lineEdit(), Qt::Key_Return);
        }
    }

    // Picks an entry of the PR list with the arrow keys from the top, as a
    // user does, and selects the field's text, ready to be typed over.
    void pickMultiplicity(int position)
    {
        window.npr->setCurrentIndex(-1);
        for (int i = 0; i <= position; ++i)
            QTest::keyClick(window.npr, Qt::Key_Down);
        window.npr->lineEdit()->selectAll();
    }

    // The entries of a drop-down, in order.
    static QStringList items(const QComboBox* list)
    {
        QStringList found;
        for (int i = 0; i < list->count(); ++i)
            found << list->itemText(i);
        return found;
    }

    TempWorkDir work;
    FakeMessages messages;
    FakeStarter starter;
    FTarvi window{platform::Services{messages, starter, work.folder()}};
};

} // namespace tarvi::testkit
