#pragma once

#include <QPoint>

// An option button or check box that takes a click anywhere in its box, not
// only on its mark and its text: on a whiteboard a child's finger lands where
// it lands, and the scaled box is what the child sees.
template <typename Pulsante>
class AreaIntera : public Pulsante
{
public:
    using Pulsante::Pulsante;

protected:
    bool hitButton(const QPoint &punto) const override { return this->rect().contains(punto); }
};
