layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;

uniform mat4 model;                 // local to scene
uniform mat3 normalMatrix;          // local normals to scene
uniform mat4 viewProjection;        // scene to clip

out vec3 scenePosition;
out vec3 sceneNormal;
out vec2 uv;

void main()
{
    vec4 world = model * vec4(position, 1.0);
    scenePosition = world.xyz;
    sceneNormal = normalMatrix * normal;
    uv = texCoord;
    gl_Position = viewProjection * world;
}
