#pragma once
// How pages keep values in their records: counts that a record holds as integers, totals
// of count fields, and sets of numbered check boxes kept as one text.
#include <initializer_list>

#include "platform/Arrays.h"
#include "platform/CString.h"

// A count held as an integer is shown as "" for -1 and with "%d" otherwise.
CString CountText(int value);
// "" is kept as -1, anything else as its leading decimal integer (0 without one).
int CountValue(const CString& text);

// The leading decimal integer of a text (an optional sign, then digits), 0 without one.
int LeadingInteger(const CString& text);

// The word shown beside a two-button radio answer: `first` for 0, `second` for 1, "" for
// none or anything else.
CString ChoiceWord(int index, const char* first, const char* second);

// The sum of the counts, each read as its leading integer; "" when the sum is 0.
CString TotalText(const CStringArray& counts);
CString TotalText(std::initializer_list<CString> counts);

// The numbers (from 1) of the ticked boxes, each written with "%d; ", the whole trimmed at
// the right: "1; 3;".
CString MethodSetText(const CArray<int>& ticked);
// Box n (from 1) is ticked when the text contains n written with "%d".
CArray<int> ParseMethodSet(const CString& text, int boxes);
