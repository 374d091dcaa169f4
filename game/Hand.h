#pragma once

namespace torvane {

// The two hands on the screen, named after their controls: the bottom one and the top one.
enum class Hand { Image4, Image5 };

}  // namespace torvane
