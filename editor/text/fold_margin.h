// The fold margin: blocks that the language marks can be folded away from its boxes.
#pragma once

#include "edit_feature.h"

class FoldMargin : public EditFeature
{
    Q_OBJECT

public:
    explicit FoldMargin(EditControl &control);

private:
    void start();
    void stop();
};
