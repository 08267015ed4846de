#pragma once

// Letter case of code page 1250 bytes as CXString knows it: ASCII letters and the nine Polish
// pairs (Ś Ź Ł Ą Ż Ć Ę Ń Ó). Every other byte has no case and maps to itself. Narrower than
// platform::Cp1250 on purpose: script texts upper-case and compare exactly as games expect.
namespace foundation {

char upperCase1250(char c);
char lowerCase1250(char c);
bool isUpperLetter1250(char c);
bool isLowerLetter1250(char c);

} // namespace foundation
