#pragma once
// Frame texts for the ORF tests, made the way the main window makes them.
#include <string>
#include <string_view>

#include "orf/OrfState.h"
#include "sequence/Ansi.h"
#include "translation/Translation.h"

namespace bxl::orf {

// Expected texts write the middle dot of frame fillers as '.', which no frame text holds.
inline std::string dots(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c == '.') c = kMiddleDot;
  return result;
}

// The editor's text translated in three-letter names, as the "3 letter code" command leaves it.
inline FrameStrings threeLetterFrames(std::string_view editorText) {
  FrameStrings frames = translateStandard(prepareWorkingSequence(editorText));
  for (std::string& frame : frames) convertToThreeLetter(frame);
  return frames;
}

// A state loaded from the editor's text as an ORF window loads it after a three-letter translation.
inline OrfState loadedState(std::string_view editorText) {
  const FrameStrings frames = threeLetterFrames(editorText);
  OrfState state;
  loadSequences(state, {editorText, {frames[0], frames[1], frames[2]}, "3Code"});
  return state;
}

}  // namespace bxl::orf
