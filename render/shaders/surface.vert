// Planes and text: lit per vertex, which is exact for flat faces under a
// directional light but for the faint highlight, and saves a software
// renderer the lighting of every pixel of the large backdrop.
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;

uniform mat4 model;                 // local to scene
uniform mat3 normalMatrix;          // local normals to scene
uniform mat4 viewProjection;        // scene to clip

out vec2 uv;
out vec3 lightScale;
out vec3 lightAdd;

void main()
{
    vec4 world = model * vec4(position, 1.0);
    Light light = Light(vec3(0.0), vec3(0.0));
    if (lit)
        light = LightAt(normalize(normalMatrix * normal), world.xyz);
    lightScale = light.scale;
    lightAdd = light.add;
    uv = texCoord;
    gl_Position = viewProjection * world;
}
