# Pictures of the game folder (img/), painted by velko-art at build time.

file(GLOB VELKO_ART_SOURCES CONFIGURE_DEPENDS tools/velko_art*.cpp tools/art/*.cpp tools/art/*.h)
add_executable(velko-art ${VELKO_ART_SOURCES})
target_include_directories(velko-art PRIVATE tools)
target_link_libraries(velko-art PRIVATE Qt6::Gui)

set(VELKO_IMG_DIR ${VELKO_GAME_DIR}/img)
set(VELKO_ART_NAMES
  VELKO01.jpg VELKO01M.jpg VELKO0201.jpg VELKO0202.jpg VELKO02M.jpg
  VELKO01S.jpg VELKO0201S.jpg VELKO0202S.jpg
  effect.jpg effect_m.jpg stage.jpg icon0.bmp
  velko-icon-48.png velko-icon-64.png velko-icon-128.png velko-icon-256.png
  # The English lettered twins of the pictures with words painted on them.
  en/VELKO01S.jpg en/VELKO0201S.jpg en/VELKO0202S.jpg en/stage.jpg)
list(TRANSFORM VELKO_ART_NAMES PREPEND ${VELKO_IMG_DIR}/ OUTPUT_VARIABLE VELKO_ART_OUTPUTS)

add_custom_command(
  OUTPUT ${VELKO_ART_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:velko-art> ${VELKO_IMG_DIR}
  DEPENDS velko-art
  COMMENT "Painting the pictures of img/")
add_custom_target(velko_art ALL DEPENDS ${VELKO_ART_OUTPUTS})

# The picture tests read the painted files; their targets exist only once tests/ is read.
function(velko_art_test_dependencies)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/art/*.cpp)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    if(TARGET ${name})
      add_dependencies(${name} velko_art)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL velko_art_test_dependencies)
