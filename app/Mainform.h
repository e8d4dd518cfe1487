#pragma once

#include "forms/Form.h"

// The main window. For now a plain window with the caption "Hestova"; unloading it ends the program unless
// another window is still loaded.
class Mainform : public hestova::forms::Form {
    Q_OBJECT

public:
    Mainform();
};
