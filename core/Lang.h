#pragma once

namespace core {

enum class Lang { English, Russian };

} // namespace core
