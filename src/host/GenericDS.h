#pragma once

namespace aptui {

// Common base of the toolkit's data-source objects; it carries no state.
class GenericDS
{
public:
    GenericDS();
    virtual ~GenericDS();
};

} // namespace aptui
