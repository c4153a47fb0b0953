#pragma once
// The one table that turns a workflow code into the class of the view shown for it in the
// right pane. It is the only place that knows every page class, and it lives in its own
// target (above the pages), so that the pages can use the shell without a cycle.
#include <span>

#include "platform/Object.h"

struct StepView {
    int code;
    const char* className;              // the class the code shows
    const CRuntimeClass* viewClass;     // nullptr until that class is built: the placeholder
};

// Every code of the table, in ascending order.
std::span<const StepView> StepViewTable();

// The class shown for the code: the table's, or the placeholder view for a code that has
// no page (yet).
const CRuntimeClass* StepViewClass(int code);
