// Helpers for window tests: find controls by name, click them, and answer the leaving question.
#pragma once

#include "shell/controls/accessible.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/dialogs.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scripted.h"
#include "tests/support/temp_working_dir.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QCloseEvent>
#include <QWindow>
#include <QTest>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

template <typename T = QWidget>
T* control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
    return found;
}

// A key pressed where the window's keyboard focus is (on the window itself while nothing has it).
inline void keyAtFocus(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus && focus->isVisible() ? focus : window, key, modifiers);
}

// Tab round the window until `target` has the keyboard; false when Tab never reaches it (hidden,
// disabled, not clickable).
inline bool tabTo(QWidget* window, const QWidget* target)
{
    const qsizetype stops = accessible::readingOrder(window).size();
    for (qsizetype tab = 0; tab <= stops && window->focusWidget() != target; ++tab)
        keyAtFocus(window, Qt::Key_Tab);
    return window->focusWidget() == target;
}
inline bool tabTo(QWidget* window, const QString& name) { return tabTo(window, control(window, name)); }

// The keyboard alone: Tab to `target`, then Space. A control Tab does not reach is left alone, as a
// click on it does nothing.
inline void pressByKeyboard(QWidget* target)
{
    if (tabTo(target->window(), target))
        QTest::keyClick(target, Qt::Key_Space);
}

// TOATOA_CLICK_BY=keyboard runs the window tests with the keyboard alone: every click of theirs
// becomes Tab presses to the control and Space.
inline bool clicksByKeyboard()
{
    static const bool keyboard = qEnvironmentVariable("TOATOA_CLICK_BY") == QLatin1String("keyboard");
    return keyboard;
}

inline void click(QWidget* window, const QString& name)
{
    QWidget* target = control(window, name);
    if (!target)
        return;
    if (clicksByKeyboard())
        pressByKeyboard(target);
    else
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

// A mouse movement over the control, delivered even when the pointer already rests there.
inline void moveOver(QWidget* window, const QString& name)
{
    QWidget* target = control(window, name);
    if (!target)
        return;
    const QPointF at = target->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// The close box pressed: the window system asks the window to close.
inline void pressCloseBox(QWidget* window)
{
    QCloseEvent request;
    if (window->windowHandle())
        QApplication::sendEvent(window->windowHandle(), &request);
}

// The top-level windows that are open (shown and not closing).
inline QWidgetList openWindows()
{
    QWidgetList open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            open.push_back(w);
    return open;
}

// Answers every Yes/No question with `yes`, keeping what was asked.
struct ScriptedAnswers {
    explicit ScriptedAnswers(bool yes)
    {
        setQuestionAnswerer([this, yes](const QString& title, const QString& text) {
            asked.push_back({title, text});
            return yes;
        });
    }
    ~ScriptedAnswers() { setQuestionAnswerer({}); }
    std::vector<std::pair<QString, QString>> asked;
};

// Deletes what closed windows left for later, so each test starts with none.
inline void flushClosedWindows()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// Closes every window, saying Yes to every question, including the menu windows that leaving opens.
inline void closeAllWindows()
{
    ScriptedAnswers yes(true);
    for (int round = 0; round < 4 && !openWindows().isEmpty(); ++round) {
        for (QWidget* w : openWindows())
            w->close();
        flushClosedWindows();
    }
}

// The record name box that is open in the window, if any.
inline QLineEdit* nameBox(QWidget* window)
{
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (box->isVisible())
            return box;
    return nullptr;
}

// Types a name into the open record box and confirms it with Enter, as a player does.
inline void typeRecordName(QWidget* window, const QString& name)
{
    QLineEdit* box = nameBox(window);
    ASSERT_NE(box, nullptr) << "no name box open";
    QTest::keyClicks(box, name);
    QTest::keyClick(box, Qt::Key_Return);
}

// One game window on the table: a private working directory for its record file, a clock that ends
// every wait at once and keeps its length, and a scripted random source the test fills before each deal.
template <typename Window>
class WindowTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.setAutoAdvance(true);
        auto source = std::make_unique<ScriptedRandom>();
        random = source.get();
        script(*random);
        window = new Window(std::move(source));
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override { closeAllWindows(); }
    // What the first deal draws; a test puts its deal here before the window opens.
    virtual void script(ScriptedRandom&) {}

    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    int picture(const QString& name) { return control<PictureBox>(window, name)->picture(); }
    // What a screen reader says of the control.
    QString heard(const QString& name) { return QAccessible::queryAccessibleInterface(control(window, name))->text(QAccessible::Name); }
    void press(const QString& name) { click(window, name); }
    // The pointer shown once the mouse moves over the control.
    Pointer pointer(const QString& name)
    {
        moveOver(window, name);
        return pointerOf(control(window, name));
    }

    TempWorkingDir dir;
    FakeClock clock;
    ScriptedRandom* random = nullptr;
    Window* window = nullptr;
};
