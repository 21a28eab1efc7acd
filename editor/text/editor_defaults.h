// The editor's start-up look: switches, font, colours and font styles of the text area.
#pragma once

class EditControl;

void applyEditorDefaults(EditControl &control);
