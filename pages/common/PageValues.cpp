#include "pages/common/PageValues.h"

#include <cstdint>

CString CountText(int value) {
    if (value == -1) return {};
    CString text;
    text.Format("%d", value);
    return text;
}

int LeadingInteger(const CString& text) {
    CString trimmed = text;
    trimmed.TrimLeft();
    int position = 0;
    int sign = 1;
    if (trimmed[0] == U'-' || trimmed[0] == U'+') {
        sign = trimmed[0] == U'-' ? -1 : 1;
        position = 1;
    }
    long long value = 0;
    for (; trimmed[position] >= U'0' && trimmed[position] <= U'9' && value < 1'000'000'000'000LL; ++position)
        value = value * 10 + (trimmed[position] - U'0');
    value *= sign;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}

int CountValue(const CString& text) { return text.IsEmpty() ? -1 : LeadingInteger(text); }

CString TotalText(const CStringArray& counts) {
    long long sum = 0;
    for (int i = 0; i < counts.GetSize(); ++i) sum += LeadingInteger(counts[i]);
    if (sum == 0) return {};
    CString text;
    text.Format("%lld", sum);
    return text;
}

CString TotalText(std::initializer_list<CString> counts) {
    CStringArray array;
    for (const CString& count : counts) array.Add(count);
    return TotalText(array);
}

CString MethodSetText(const CArray<int>& ticked) {
    CString text;
    for (int i = 0; i < ticked.GetSize(); ++i)
        if (ticked[i]) text.AppendFormat("%d; ", i + 1);
    text.TrimRight();
    return text;
}

CArray<int> ParseMethodSet(const CString& text, int boxes) {
    CArray<int> ticked;
    for (int box = 1; box <= boxes; ++box) ticked.Add(text.Find(CountText(box)) >= 0 ? 1 : 0);
    return ticked;
}

CString ChoiceWord(int index, const char* first, const char* second) {
    return index == 0 ? CString(first) : index == 1 ? CString(second) : CString();
}
