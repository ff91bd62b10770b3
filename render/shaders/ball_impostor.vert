// A ball as a quad facing the eye, wide enough to hold the sphere's tangent
// cone; the fragment shader casts a ray at the sphere.
layout(location = 0) in vec2 corner;         // (-1, -1) .. (1, 1)
layout(location = 2) in vec4 centreRadius;   // per ball, scene coordinates
layout(location = 3) in vec3 axisY;          // per ball: its local +Y in the scene
layout(location = 4) in vec3 axisZ;          // per ball: its local +Z in the scene

uniform mat4 viewProjection;

out vec3 quadPoint;
flat out vec4 sphere;
flat out vec3 ballY;
flat out vec3 ballZ;

void main()
{
    sphere = centreRadius;
    ballY = axisY;
    ballZ = axisZ;
    vec3 toCentre = centreRadius.xyz - eyePosition;
    float distance = length(toCentre);
    float radius = centreRadius.w;
    if (distance <= radius) {
        // The eye is inside the ball: front faces only, so nothing shows.
        gl_Position = vec4(0.0, 0.0, 2.0, 1.0);
        return;
    }
    vec3 axis = toCentre / distance;
    vec3 helper = abs(axis.y) < 0.9 ? vec3(0.0, 1.0, 0.0) : vec3(1.0, 0.0, 0.0);
    vec3 side = normalize(cross(helper, axis));
    vec3 up = cross(axis, side);
    // The cone from the eye touching the sphere is radius * d / sqrt(d^2 - r^2)
    // wide where it passes the centre.
    float halfSize = radius * distance / sqrt((distance - radius) * (distance + radius));
    quadPoint = centreRadius.xyz + (corner.x * side + corner.y * up) * halfSize;
    gl_Position = viewProjection * vec4(quadPoint, 1.0);
}
