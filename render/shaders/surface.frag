in vec2 uv;
in vec3 lightScale;
in vec3 lightAdd;

out vec4 fragmentColour;

void main()
{
    fragmentColour = lit ? LitColour(texture(picture, uv), Light(lightScale, lightAdd)) : flatColour;
}
