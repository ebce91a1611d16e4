#pragma once

#include <QString>

class QWidget;

namespace quorvel {

enum class BoxIcon { None, Exclamation };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

// One message box: what it says, how it looks and which button Enter presses.
struct BoxRequest {
    QString title;
    QString text;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer defaultAnswer = BoxAnswer::Ok;
};

// A "Quorvel" box with the exclamation icon and OK, as the drill's notices are.
BoxRequest ExclamationBox(const char* text);

// A "Quorvel" box with OK and no icon.
BoxRequest PlainBox(const char* text);

// "Do you want to exit now?" with Yes (the default) and No.
BoxRequest ExitQuestionBox();

// Shows modal message boxes. The program shows real ones; tests record them and answer.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;

    // Shows the box over `owner` and returns once it is closed, with the button pressed.
    virtual BoxAnswer Show(QWidget* owner, const BoxRequest& request) = 0;
};

class QtMessageBoxes : public MessageBoxService {
public:
    BoxAnswer Show(QWidget* owner, const BoxRequest& request) override;
};

}  // namespace quorvel
