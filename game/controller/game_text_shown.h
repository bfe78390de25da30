#pragma once

#include <QString>

#include <string>

// A text of the rules layer (marked there under the context "GameText") in
// the language in use. A text that ends in a file keyword, such as
// "nedostaje polje mode", is translated by its form "nedostaje polje %1".
QString ShownGameText(const std::string& text);
