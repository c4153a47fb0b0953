#include "res/PageTemplates.h"

std::vector<DialogControl> PageHeaderControls() {
    return {
        // Captions and names share a line each, centred on it whatever their fonts.
        Label(1417, "", {0, 0, 10, 8}, SS_CENTERIMAGE).Hidden(),
        Label(1418, "", {0, 0, 10, 8}, SS_CENTERIMAGE).Hidden(),
        Label(1419, "", {0, 0, 10, 8}, SS_CENTERIMAGE).Hidden(),
        Label(1420, "", {0, 0, 10, 8}, SS_CENTERIMAGE | SS_NOPREFIX).Hidden(),
        Label(1421, "", {0, 0, 10, 8}, SS_CENTERIMAGE | SS_NOPREFIX).Hidden(),
        Label(1422, "", {0, 0, 10, 8}, SS_CENTERIMAGE | SS_NOPREFIX).Hidden(),
        Picture(1424, 0, {0, 0, 25, 23}),  // empty until the header gives it the picture
    };
}

std::vector<DialogControl> WithPageHeader(std::initializer_list<DialogControl> controls) {
    std::vector<DialogControl> all(controls);
    for (DialogControl& header : PageHeaderControls()) all.push_back(std::move(header));
    return all;
}
