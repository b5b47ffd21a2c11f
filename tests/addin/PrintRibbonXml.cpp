// Prints the backstage document as UTF-8, for the schema check.
#include <iostream>
#include <string>

#include "addin/Backstage.h"

int main() {
    for (const wchar_t c : morvane::Backstage::GetRibbonXML()) {
        // The document is plain ASCII; anything else would be a fault the schema check shows.
        std::cout << (c < 0x80 ? static_cast<char>(c) : '?');
    }
    std::cout << '\n';
}
