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

// TRUE when the code shows a page of its own; FALSE when it shows the placeholder, which
// holds nothing.
BOOL StepHasPage(int code);

// TRUE when every step of the form type has a page of its own. Only then may a stored form
// of that type be stored again: its update deletes all of the form's rows and writes back
// what the pages hold, so a step without its page would lose its rows. FALSE also when the
// steps cannot be read (the error is shown).
BOOL PagesHoldEveryStep(int formTypeId);
