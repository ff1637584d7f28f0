# The windows: one static library of every window class, shared by the player,
# the tool's render command and the GUI tests.
file(GLOB UI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/widgets/*.cpp ${CMAKE_SOURCE_DIR}/board/*.cpp
  ${CMAKE_SOURCE_DIR}/panels/*.cpp ${CMAKE_SOURCE_DIR}/shell/*.cpp)
file(GLOB UI_HEADERS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/widgets/*.h ${CMAKE_SOURCE_DIR}/board/*.h
  ${CMAKE_SOURCE_DIR}/panels/*.h ${CMAKE_SOURCE_DIR}/shell/*.h)
if(UI_SOURCES)
  add_library(zoru_ui STATIC ${UI_SOURCES} ${UI_HEADERS})
else()
  add_library(zoru_ui INTERFACE)
endif()
if(UI_SOURCES)
  target_include_directories(zoru_ui PUBLIC ${CMAKE_SOURCE_DIR}/widgets ${CMAKE_SOURCE_DIR}/board
    ${CMAKE_SOURCE_DIR}/panels ${CMAKE_SOURCE_DIR}/shell)
  target_link_libraries(zoru_ui PUBLIC zoru_model Qt6::Widgets Qt6::PrintSupport)
endif()
