// Pictures are compared within a tolerance: anti-aliasing and font hinting
// move a few edge pixels between library versions, a wrong drawing moves many.
#pragma once

#include <string>

namespace vxtest {

struct PictureDifference {
  std::string problem;        // set when the pictures cannot be compared at all
  long differing_pixels = 0;  // pixels whose channels differ by more than the threshold
  long total_pixels = 0;

  bool Acceptable() const;
  std::string Describe() const;
};

PictureDifference ComparePictures(const std::string& expected_png, const std::string& actual_png);

}  // namespace vxtest
