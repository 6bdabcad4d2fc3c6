// The renderer's one shader text builds, in every variant, both as desktop
// GLSL 1.20 and as GLSL ES 1.00 (the language of OpenGL ES 2.0 and WebGL 1),
// on the context the tests run on.

#include <string>

#include "platform/render/sdl/gl_program.h"
#include "support/display_fixture.h"

using namespace platform;

namespace {

using RendererShaders = DisplayTest;

TEST_F(RendererShaders, BuildAsGlsl120AndAsGlslEs100) {
  for (const char* version : {"#version 120", "#version 100"}) {
    for (const bool textured : {false, true}) {
      for (const auto finish : {FragmentFinish::AsIs, FragmentFinish::AlphaTest, FragmentFinish::Premultiply}) {
        std::string log;
        ShaderProgram program = BuildShaderProgram(version, textured, finish, log);
        EXPECT_NE(program.id, 0u) << version << (textured ? " textured" : "") << " finish "
                                  << static_cast<int>(finish) << ": " << log;
        EXPECT_GE(program.projection, 0);
        if (textured) {
          EXPECT_GE(program.sampler, 0);
        }
        DeleteShaderProgram(program);
      }
    }
  }
}

TEST_F(RendererShaders, ABrokenVersionLineFailsWithTheDriversWords) {
  std::string log;
  ShaderProgram program = BuildShaderProgram("#version 999", true, FragmentFinish::AsIs, log);
  EXPECT_EQ(program.id, 0u);
  EXPECT_FALSE(log.empty());
}

}  // namespace
