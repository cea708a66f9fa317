// A small instrument panel laid out through the document, as a user would with the mouse: the
// designer's start-up example and its gallery picture.
#pragma once

#include "apps/designer/design_document.h"

namespace designer {

// Drops a meter, a seven-segment display, a progress bar, a number label, an on/off button
// and a report list store onto a new form and selects the meter. Classes not registered
// (no package loaded) are left out.
void BuildDemoForm(TDesignDocument& document);

}  // namespace designer
