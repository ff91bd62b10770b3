in vec3 scenePosition;
in vec3 sceneNormal;
in vec2 uv;

out vec4 fragmentColour;

void main()
{
    fragmentColour = ShadedColour(texture(picture, uv), normalize(sceneNormal), scenePosition);
}
