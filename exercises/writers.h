#pragma once

#include "exercises/sheet.h"

#include <string>
#include <string_view>

namespace tarvi::exercises {

// A sheet as plain UTF-8 text: the title and the options line, the statements
// numbered "1.", "2." … at the start of their lines, then the heading
// "Soluciones" (in the sheet's language) and for each problem its reason and,
// on a line of its own, its worked answer ending in the count.
std::string sheetText(const Sheet& sheet);

// A sheet as GIFT, the plain question format of Moodle: a category named after
// the title, then one numerical question per problem, "::Title 1:: statement
// {#COUNT}", each after comment lines with its reason and worked answer.
std::string sheetGift(const Sheet& sheet);

// A sheet as Moodle XML: one quiz, a category named after the title, one
// numerical question per problem whose only answer is the count (fraction 100,
// tolerance 0), with the worked answer and the reason as general feedback.
std::string sheetMoodleXml(const Sheet& sheet);

// Text with GIFT's special characters ~ = # { } : and the backslash escaped.
std::string giftEscaped(std::string_view text);

// Text with XML's special characters written as entities.
std::string xmlEscaped(std::string_view text);

} // namespace tarvi::exercises
