#pragma once
// Edit masks written in the classic mask language ("00/00;1;_": body, literals kept, blank
// character) as input masks of the widget toolkit ("99/99;_").
#include <string>

std::string TranslateEditMask(const std::string& mask);
