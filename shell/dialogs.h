// The Yes/No question, the only dialog the games show.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks `text` under `title` with the buttons "Sì" and "No" and no icon; true for Yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& text);

// Tests answer the question themselves; an empty function puts the real message box back.
using QuestionAnswerer = std::function<bool(const QString& title, const QString& text)>;
void setQuestionAnswerer(QuestionAnswerer answerer);
