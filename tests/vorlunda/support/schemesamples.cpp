#include "tests/vorlunda/support/schemesamples.h"

// All six rule systems on, with the limits the first presets share.
#define ALL_ON "1,2,6,1,2,16,1,2,16,1,2,6,1,2,12,1,3,12"

const SchemeSample kPresetTexts[9] = {
    {"Solid", "11,1,40,0.200000,5,FullRandom,Solid," ALL_ON ",0.500000,2.000000,3,12,0.800000,128"},
    {"Shaded",
     "11,1,40,0.300000,5,FullRandom,Shaded," ALL_ON ",0.500000,1.600000,3,10,0.800000,128"},
    {"Intensity",
     "11,1,40,0.600000,5,FullRandom,Intensity," ALL_ON ",0.500000,1.500000,3,9,0.700000,512"},
    {"Spectrum", "11,1,10,0.700000,5,FullRandom,Spectrum,1,2,6,1,3,16,1,3,16,1,3,6,1,3,12,1,3,12,"
                 "0.900000,0.900000,1,1,0.000000,160"},
    {"Graffiti", "11,1,10,0.100000,5,FullRandom,Solid,1,10,20,0,2,2,0,2,2,0,2,2,0,2,2,0,2,2,"
                 "0.150000,0.400000,100,200,1.000000,128"},
    {"Crystal", "11,1,20,0.300000,5,FullRandom,Shaded,0,2,6,0,2,16,1,6,20,0,2,6,1,5,16,0,3,12,"
                "0.400000,0.700000,6,12,0.900000,128"},
    {"Mixture", "11,1,50,0.300000,5,FullRandom,Shaded,0,2,6,0,2,16,0,2,16,0,2,6,0,2,12,1,3,12,"
                "0.500000,1.600000,5,10,0.800000,128"},
    {"Contractions 2",
     "12,1,75,0.300000,5,FullRandom,Shaded,1,2,2,0,2,16,0,2,16,0,2,6,0,2,12,0,3,12,"
     "1,1,30,1,1.350000,0.900000,0.900000,1,1,0.000000,128"},
    {"Contractions 2&3",
     "12,1,75,0.300000,5,FullRandom,Shaded,1,2,3,0,2,16,0,2,16,0,2,6,0,2,12,0,3,12,"
     "1,1,30,1,1.350000,0.900000,0.900000,1,1,0.000000,128"},
};

const SchemeSample kTemplatedTexts[4] = {
    {"Ferns", "11,1,20,0.400000,2,Experimental,Ferns"},
    {"Autumn", "11,1,15,2.000000,2,Experimental,Autumn"},
    {"Vorlunda", "11,1,1,0.250000,2,Experimental,Vorlunda"},
    {"Gasket", "11,1,10,0.500000,2,Experimental,Gasket"},
};

std::vector<std::string> ValidSchemeTexts() {
  std::vector<std::string> texts;
  for (const SchemeSample &sample : kPresetTexts)
    texts.push_back(sample.text);
  for (const SchemeSample &sample : kTemplatedTexts)
    texts.push_back(sample.text);
  texts.push_back("11,0,100,10,60,fullrandom,SPECTRUM," ALL_ON ",10,10,1000,1000,10,765");
  texts.push_back("12,1,1,1e-2,0,FullRandom,shaded," ALL_ON ",0,0,1000,0,2,1e-1,1,1,1,0,0");
  texts.push_back("12,0,5,0.5,1,EXPERIMENTAL,odd,,template,");
  texts.push_back("11,1,1,0.1,0,Experimental,");
  return texts;
}

std::vector<std::string> SplitFields(const std::string &text) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type comma = text.find(',', start);
    fields.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos)
      return fields;
    start = comma + 1;
  }
}

std::string JoinFields(const std::vector<std::string> &fields) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i)
    text += (i == 0 ? "" : ",") + fields[i];
  return text;
}
