package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.Profile;
public class ProfileListHandler extends DefaultHandler {
	private List<Profile> profileList = null;
	private Profile profile;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (profile != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (profile != null) { 
            String valueString = valueBuffer.toString(); 
            if ("trip".equals(tempString)) 
            	profile.setTrip(valueString); 
            else if ("level".equals(tempString) && valueString.length() > 0) 
            	profile.setLevel(new Float(valueString).floatValue());
            else if ("since".equals(tempString) && valueString.length() > 0) 
            	profile.setSince(Timestamp.valueOf(valueString));
        } 
		if("Profile".equals(localName)&&profile!=null){
			profileList.add(profile);
			profile = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		profileList = new ArrayList<Profile>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("Profile".equals(localName)) {
            profile = new Profile(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<Profile> getProfileList() {
		return this.profileList;
	}
}
