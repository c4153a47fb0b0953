#pragma once
// Codes of the workflow tree's nodes. Each node carries a code as its item data; the view
// switch turns the code into the view of the right pane (StepViews.h). The steps of a form
// carry the codes FormBuilder gives them (1002...7023).
enum WorkflowCode {
    kCodeStart = 0,                 // the root "Начало": the mode list
    kCodeNewForm = 1001,            // "Въвеждане": the species and form chooser
    kCodeEditForms = 2000,          // "Редакция": the stored forms, to edit
    kCodeLookup = 3000,             // "Справка": the stored forms, to read or print
    kCodeAnalysis = 4000,           // "Анализ"
    kCodeAdministration = 5000,     // "Администриране"
    kCodeFinalStep = 1022,          // the last step of a new form
    kCodeFinalStepEditing = 1029,   // ... of a form opened for editing
    kCodeFinalStepReadOnly = 1030,  // ... of a form opened for reading
};
