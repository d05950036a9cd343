#pragma once
// A language in which every text reads "[[English]]": while a MarkedTexts
// lives, each text that went through Tr shows whole between the marks, so a
// test sees which texts are looked up, and that none is pieced together.

#include <string>

#include "core/language/tr.h"

namespace cv {

class MarkedTexts {
public:
    MarkedTexts() { UseTextLookup(&Marked); }
    ~MarkedTexts() { UseTextLookup(nullptr); }
    MarkedTexts(const MarkedTexts&) = delete;
    MarkedTexts& operator=(const MarkedTexts&) = delete;

private:
    static std::string Marked(const char*, const char* source, const char*, int n) {
        std::string text = source;
        if (n >= 0)
            for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at))
                text.replace(at, 2, std::to_string(n));
        return "[[" + text + "]]";
    }
};

}  // namespace cv
