#pragma once
// What heads every page of a printed text sheet, under the society header.
#include <string>

struct PageHeading {
    std::string title;
    std::string columns;
    std::string underline;
};
