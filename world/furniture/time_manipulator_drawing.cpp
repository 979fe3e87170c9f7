#include "world/play_context.hpp"
#include "world/furniture/time_manipulator.hpp"

#include <GL/gl.h>

void TimeManipulator::Draw(float, int pass)
{
    if (pass > 0 || !CurrentPlay().fromEditor)
        return;
    glColor4f(0.0f, 1.0f, 0.0f, 1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(x, y);
    glVertex2f(x + 32.0f, y);
    glVertex2f(x + 32.0f, y + 32.0f);
    glVertex2f(x, y + 32.0f);
    glEnd();
}
