#pragma once
#include "calc/Wegdek.h"
#include "shared_ui/Dialogen.h"

namespace tarvo {

// The user-name setting: asks for a new name; an empty answer or Cancel
// keeps both names. The label name carries the first '&' twice so that a
// label shows it instead of taking it as an access key. True when the
// names changed.
bool VraagGebruikersnaam(QWidget* ouder, Dialogen& dialogen, Catalogus& catalogus);

// What a label shows for a label name: "&&" stands for one '&'.
QString LabelTekst(const std::string& labelnaam);

}  // namespace tarvo
