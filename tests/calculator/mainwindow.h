#pragma once

#include "calculator/ftarvi.h"
#include "render/picturearea.h"
#include "testkit/controls.h"
#include "testkit/fakes.h"
#include "testkit/workdir.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

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

    // The window's controls, found by their names.
    QLineEdit* IdM(int kind) const { return control<QLineEdit>(window, indexed("IdM", kind)); }
    QLineEdit* IdN(int kind) const // null for P and PR, which have no n box
    {
        return window.findChild<QLineEdit*>(indexed("IdN", kind));
    }
    QPushButton* okD(int kind) const { return control<QPushButton>(window, indexed("okD", kind)); }
    QLineEdit* IdRes(int kind) const { return control<QLineEdit>(window, indexed("IdRes", kind)); }
    QPushButton* BtGen(int kind) const { return control<QPushButton>(window, indexed("BtGen", kind)); }
    QPushButton* BtRst(int kind) const { return control<QPushButton>(window, indexed("BtRst", kind)); }
    QComboBox* npr() const { return control<QComboBox>(window, "npr"); }
    QLabel* EtNi() const { return control<QLabel>(window, "EtNi"); }
    QLineEdit* idNb() const { return control<QLineEdit>(window, "idNb"); }
    QComboBox* LstC() const { return control<QComboBox>(window, "LstC"); }
    PictureArea* BNwt() const { return control<PictureArea>(window, "BNwt"); }
    QPlainTextEdit* IdConjs() const { return control<QPlainTextEdit>(window, "IdConjs"); }
    QAction* action(const QString& name) const { return control<QAction>(window, name); }

    // Types each entry into the PR list's field and presses Enter.
    void addMultiplicities(std::initializer_list<const char*> entries)
    {
        for (const char* entry : entries) {
            QTest::keyClicks(npr()->lineEdit(), QString::fromUtf8(entry));
            QTest::keyClick(npr()->lineEdit(), Qt::Key_Return);
        }
    }

    // Picks an entry of the PR list with the arrow keys from the top, as a
    // user does, and selects the field's text, ready to be typed over.
    void pickMultiplicity(int position)
    {
        npr()->setCurrentIndex(-1);
        for (int i = 0; i <= position; ++i)
            QTest::keyClick(npr(), Qt::Key_Down);
        npr()->lineEdit()->selectAll();
    }

    // What a screen reader hears of a widget: its name, value and description.
    static std::string heard(QWidget* widget)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face == nullptr)
            return "<none>";
        return (face->text(QAccessible::Name) + "|" + face->text(QAccessible::Value) + "|" +
                face->text(QAccessible::Description))
            .toStdString();
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
