#include "render3d/gl/GlApi.h"

namespace qb {

bool GlApi::Load(const GlResolver& resolve, const char** missing)
{
#define QB_GL_LOAD(type, name)                                                                     \
    name = reinterpret_cast<type>(resolve("gl" #name));                                            \
    if (!name) {                                                                                   \
        if (missing)                                                                               \
            *missing = "gl" #name;                                                                 \
        return false;                                                                              \
    }
    QB_GL_FUNCTIONS(QB_GL_LOAD)
#undef QB_GL_LOAD
    return true;
}

} // namespace qb
