#pragma once

#include "calculator/ftarvi.h"
#include "platform/fonts.h"
#include "tests/support/fakes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace tarvi::testkit {

// The main window shown and active, over recording fakes of the message and
// program-start services, and the user's ways of typing into it.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        platform::installFontSubstitutions();
        window = std::make_unique<FTarvi>(platform::Services{messages, starter});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static void type(QWidget* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

    // Types each entry into the PR list's field and presses Enter.
    void addMultiplicities(std::initializer_list<const char*> entries)
    {
        for (const char* entry : entries) {
            type(window->npr->lineEdit(), QString::fromUtf8(entry));
            QTest::keyClick(window->npr->lineEdit(), Qt::Key_Return);
        }
    }

    static QStringList items(const QComboBox* list)
    {
        QStringList found;
        for (int i = 0; i < list->count(); ++i)
            found << list->itemText(i);
        return found;
    }

    FakeMessages messages;
    FakeStarter starter;
    std::unique_ptr<FTarvi> window;
};

} // namespace tarvi::testkit
