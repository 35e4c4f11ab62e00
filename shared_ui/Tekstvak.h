#pragma once
// The entry fields of every window: the check of one field shown on it, a
// typed key judged against what the field takes, and when losing the focus
// counts as leaving it.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/Valideer.h"

class QFocusEvent;
class QLineEdit;

namespace tarvo {

// A valid field shows the checked text, light yellow, without tool tip; an
// invalid one keeps what was typed, turns red, shows the tool tip and takes
// the focus when it can.
void ToonValidatie(QLineEdit* vak, const Validatie& validatie);

// Valideer of the field's own text, shown on it; the text when valid.
std::optional<std::string> ValideerVak(QLineEdit* vak, Soort soort, std::int32_t maximum, std::int32_t minimum,
                                       std::string_view patroon, char decimaal);

// A typed text judged against the characters a field accepts, and the field
// coloured by it: red when refused, light yellow when accepted. Backspace
// counts as accepted; other control characters (editing and clipboard keys)
// are no typed character and change nothing. True when the key must be
// swallowed.
bool WeigerToets(QLineEdit* vak, const QString& getypt, const QString& toegestaan);

// Whether losing the focus means the user left the field: a message box or
// another window taking the focus is no leaving.
bool IsVeldVerlaten(const QFocusEvent* event);

}  // namespace tarvo
