// Messages of the program: message boxes titled with the application title. Warnings carry the
// exclamation icon and one OK button, plain messages no icon, questions Yes and No. Tests install
// their own message function, so nothing waits for a person.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace frame::ui {

enum class TMessageKind { Plain, Warning, Question };
enum class TMessageAnswer { Ok, Yes, No };

using TMessageFunction = std::function<TMessageAnswer(QWidget* parent, TMessageKind kind, const QString& text)>;

// Replaces the message boxes (an empty function brings them back); answers the previous function.
TMessageFunction SetMessageFunction(TMessageFunction function);
TMessageAnswer ShowMessage(QWidget* parent, TMessageKind kind, const QString& text);

// The title of every message box and the base of the main window's caption.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

}  // namespace frame::ui
