// Makes the swim value texts (course, gender, stroke, round, status and age-group texts, month
// and day names) follow the language texts.
#pragma once

namespace frame {

// Installs the process-wide text store as the swim value texts' source and reloads them now and
// on every language change, the switch to the print language included. Calling it again does
// nothing more.
void ConnectSwimValueTexts();

}  // namespace frame
