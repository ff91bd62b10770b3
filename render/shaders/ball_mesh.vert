// The plain ball: a 16 x 12 unit-sphere mesh placed once per instance.
layout(location = 0) in vec3 position;   // on the unit sphere, ball-local
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 centreRadius;   // per ball, scene coordinates
layout(location = 3) in vec3 axisY;          // per ball: its local +Y in the scene
layout(location = 4) in vec3 axisZ;          // per ball: its local +Z in the scene

uniform mat4 viewProjection;

out vec3 scenePosition;
out vec3 sceneNormal;
out vec2 uv;

void main()
{
    vec3 axisX = cross(axisY, axisZ);
    sceneNormal = position.x * axisX + position.y * axisY + position.z * axisZ;
    scenePosition = centreRadius.xyz + centreRadius.w * sceneNormal;
    uv = texCoord;
    gl_Position = viewProjection * vec4(scenePosition, 1.0);
}
