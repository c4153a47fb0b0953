#pragma once
// What the template of every form page holds besides its own controls: the page title 2003
// and the hidden texts and picture of the page header, which the header moves into place
// and shows when the page is prepared.
//
//     const DialogTemplate& kPlace = RegisterDialogTemplate({104, "", {330, 260}, WithPageHeader({
//         Label(2003, "Място на наблюдението", {7, 7, 200, 12}),
//         ...
//         Button(2579, "<< Назад ", {...}),
//         Button(2581, "Продължи >>", {...}),
//     })});
#include <initializer_list>
#include <vector>

#include "platform/DialogTemplate.h"

// The header's controls: the captions 1417-1419 and the form, object and step names
// 1420-1422, hidden, and the form type's picture 1424, empty.
std::vector<DialogControl> PageHeaderControls();

// The page's controls followed by the header's.
std::vector<DialogControl> WithPageHeader(std::initializer_list<DialogControl> controls);
