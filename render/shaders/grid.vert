layout(location = 0) in vec3 position;
layout(location = 1) in vec4 colour;

uniform mat4 modelViewProjection;

out vec4 lineColour;

void main()
{
    lineColour = colour;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
