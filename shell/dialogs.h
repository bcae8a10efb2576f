// The dialogs the games show: the Yes/No question, and a message the player must read before going on.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks `text` under `title` with the buttons "Sì" and "No" and no icon; true for Yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& text);

// Tests answer the question themselves; an empty function puts the real message box back.
using QuestionAnswerer = std::function<bool(const QString& title, const QString& text)>;
void setQuestionAnswerer(QuestionAnswerer answerer);

// Shows `text` under `title` with the one button "OK": something went wrong that the player must know of.
void tell(QWidget* parent, const QString& title, const QString& text);

// Tests read the messages themselves instead of a message box; an empty function puts the box back.
using MessageReader = std::function<void(const QString& title, const QString& text)>;
void setMessageReader(MessageReader reader);
