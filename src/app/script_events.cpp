#include "app/script_events.h"

#include "app/display_control.h"
#include "platform/joystick.h"

void applyScriptEvent(const ScriptEvent& e, PlayMode& mode) {
    switch (e.kind) {
    case ScriptEvent::KeyDown:
    case ScriptEvent::KeyUp:
        if (takeScriptDisplayKey(e.key, e.kind == ScriptEvent::KeyDown)) break;
        mode.key(e.key, e.kind == ScriptEvent::KeyDown);
        break;
    case ScriptEvent::JoyAxis:
        joyVirtualAxis(e.joystick - 1, e.axis, e.value);
        break;
    case ScriptEvent::JoyButton:
        joyVirtualButton(e.joystick - 1, static_cast<int>(e.value), e.down);
        break;
    case ScriptEvent::JoyPlug:
    case ScriptEvent::JoyUnplug:
        if (e.kind == ScriptEvent::JoyPlug)
            joyVirtualPlug(e.joystick - 1);
        else
            joyVirtualUnplug(e.joystick - 1);
        mode.devicesChanged();
        break;
    }
}
