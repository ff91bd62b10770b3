cmake_minimum_required(VERSION 3.25)

# Writes OUT, the C++ table behind EnglishMessages.h, from the finished
# translations of context "tessivar" in the Qt Linguist file TS:
#   cmake -DTS=tessivar_en.ts -DOUT=EnglishMessages.cpp -P EnglishMessages.cmake
# Positions rather than lists walk the file, so that a text may hold ";".

function(xml_text escaped result)
  string(REPLACE "&quot;" "\"" text "${escaped}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The text between `open` and the next `close` at or after `from` in `body`;
# `end` is where the search goes on, -1 when there is no such text.
function(element body open close from text end)
  string(SUBSTRING "${body}" ${from} -1 rest)
  string(FIND "${rest}" "${open}" start)
  if(start EQUAL -1)
    set(${end} -1 PARENT_SCOPE)
    return()
  endif()
  string(LENGTH "${open}" openLength)
  math(EXPR start "${start} + ${openLength}")
  string(SUBSTRING "${rest}" ${start} -1 rest)
  string(FIND "${rest}" "${close}" length)
  string(SUBSTRING "${rest}" 0 ${length} found)
  set(${text} "${found}" PARENT_SCOPE)
  math(EXPR after "${from} + ${start} + ${length}")
  set(${end} ${after} PARENT_SCOPE)
endfunction()

file(READ "${TS}" ts)
element("${ts}" "<name>tessivar</name>" "</context>" 0 context found)
if(found EQUAL -1)
  message(FATAL_ERROR "${TS} has no context \"tessivar\"")
endif()

set(entries "")
set(at 0)
while(TRUE)
  element("${context}" "<message>" "</message>" ${at} entry at)
  if(at EQUAL -1)
    break()
  endif()
  # An unfinished or vanished translation has attributes: only finished ones match.
  element("${entry}" "<source>" "</source>" 0 source hasSource)
  element("${entry}" "<translation>" "</translation>" 0 translation hasTranslation)
  if(hasSource EQUAL -1 OR hasTranslation EQUAL -1 OR translation STREQUAL "")
    continue()
  endif()
  xml_text("${source}" source)
  xml_text("${translation}" translation)
  string(APPEND entries "    {R\"tsv(${source})tsv\", R\"tsv(${translation})tsv\"},\n")
endwhile()

file(WRITE "${OUT}.new" "// Made by the build from ${TS}: edit that file, not this one.
#include \"EnglishMessages.h\"

#include <utility>

namespace tessivar {

namespace {

constexpr std::pair<std::string_view, std::string_view> kTranslations[] = {
${entries}};

} // namespace

std::optional<std::string_view> EnglishMessage(std::string_view japanese)
{
    for (const auto& [source, translation] : kTranslations) {
        if (source == japanese) {
            return translation;
        }
    }
    return std::nullopt;
}

} // namespace tessivar
")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
