// What the canvases paint, for assistive technology: every label, picture and
// shape that a window's reading plan names becomes an accessible child of the
// window's canvas, with its role, name, state and place on the screen, and the
// targets and the ring can be pressed. Changes are announced after each refresh,
// and only while a reader listens. A frame is a group named by its caption.
#pragma once

namespace desktop {

class Canvas;

// Teaches the toolkit to ask a canvas for its children. Once, before any window.
void install_accessibility();

// The canvas's window has built its native controls: names and describes those
// whose captions do not say what they do, whether or not a reader listens yet, so
// that no order of the toolkit's questions finds them unnamed.
void describe_controls(Canvas& canvas);

// The canvas's window has been brought up to date: tells a listening reader what
// changed since the last time. Costs nothing while none listens.
void announce_changes(Canvas& canvas);

}  // namespace desktop
